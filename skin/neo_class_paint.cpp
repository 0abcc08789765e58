// Painting of the skinned frame: the caption bar with its buttons is composed in
// surface 2, the side strip in surface 3 and the bottom strip in surface 4; they
// are kept between paints, and each reaches the window in one copy.
#include "skin/neo_class.h"

#include <algorithm>

#include "skin/frame_parts.h"

namespace {

using namespace zel::frame;

constexpr int kMiddleTileFallback = 16;  // middle tile width when the picture gives none

// A copy of no columns or rows is skipped: the platform would copy a mirrored
// range for a negative size instead of nothing.
void Copy(HDC dst, int x, int y, int cx, int cy, HDC src, int xs, int ys) {
  if (cx <= 0 || cy <= 0) return;
  BitBlt(dst, x, y, cx, cy, src, xs, ys, SRCCOPY);
}

// Repeats the first `tile` units of a strip along it until it covers `length`,
// doubling the copied run each time.
void DoubleAlong(HDC strip, int tile, int breadth, int length, bool downward) {
  if (tile <= 0) return;
  for (int at = tile, n = tile; at < length; at += n, n *= 2) {
    if (downward) {
      Copy(strip, 0, at, breadth, n, strip, 0, 0);
    } else {
      Copy(strip, at, 0, n, breadth, strip, 0, 0);
    }
  }
}

// Grows a work surface to at least cx x cy; true when it had to be made again,
// which loses what was composed in it.
bool Grow(zel::MemorySurface& surface, int cx, int cy) {
  if (surface.Width() >= cx && surface.Height() >= cy) return false;
  surface.Create_Surface(std::max(surface.Width(), cx), std::max(surface.Height(), cy));
  return true;
}

}  // namespace

bool cNeoClass::Button_Shown(int index) const {
  switch (index) {
    case kClose:
      return Has_Close;
    case kMaximize:
      return Has_Maximize;
    default:
      return Has_Minimize;
  }
}

bool& cNeoClass::Pressed_Flag(int index) {
  switch (index) {
    case kClose:
      return Pressed_Close;
    case kMaximize:
      return Pressed_Maximize;
    default:
      return Pressed_Minimize;
  }
}

void cNeoClass::Draw_Button(HDC hdc, int index, int state, const RECT& rect) {
  if (!Button_Shown(index)) return;
  int glyph = kGlyphMinimize;
  if (index == kClose) {
    glyph = kGlyphClose;
  } else if (index == kMaximize) {
    glyph = (GetWindowLongA(Target_hWnd, GWL_STYLE) & WS_MAXIMIZE) ? kGlyphRestore : kGlyphMaximize;
  }
  int column = m_Description.RightEnd + glyph * m_Description.ButtonWidth;
  if (m_Description.ControlHasInactive && !Is_Active) column += m_Description.Offset;
  const int row = state == kButtonPressed ? m_Description.ButtonHeight : 0;
  Copy(hdc, rect.left, rect.top, m_Description.ButtonWidth, m_Description.ButtonHeight,
       Surface[0].Dc(), column, row);
}

// xRight, where the caption's right end starts: its last column falls on x = W,
// just outside the window, but it starts no further left than RW + left.
int cNeoClass::Right_End_Left(int left, int W) const {
  const int RW = m_Description.RightEnd - m_Description.ActiveRight + 1;
  return std::max(W - RW + 1, RW + left);
}

// Where the buttons go for this paint, and which of them the style shows; both are
// read at every paint, whether the caption is composed again or not.
void cNeoClass::Place_Buttons(LONG style, int left, int W) {
  Has_Maximize = (style & WS_MAXIMIZEBOX) != 0;
  Has_Minimize = (style & WS_MINIMIZEBOX) != 0;
  const int RW = m_Description.RightEnd - m_Description.ActiveRight + 1;
  const int xRight = Right_End_Left(left, W);
  const auto rects = ButtonRects({m_Description.ControlButtonPosition != 0,
                                  W,
                                  m_Description.ButtonOffsetX,
                                  m_Description.ButtonOffsetY,
                                  xRight,
                                  RW,
                                  Surface[1].Height(),
                                  m_Description.ButtonWidth,
                                  m_Description.ButtonHeight,
                                  {Has_Close, Has_Maximize, Has_Minimize}});
  for (int index = 0; index < kButtonCount; ++index) {
    if (rects[index]) Button_Rect[index] = *rects[index];  // a hidden one keeps its last value
  }
}

// The buttons drawn pressed: the cursor on the button and its pressed flag set.
// The cursor is read only when a flag is set.
std::array<bool, 3> cNeoClass::Pressed_Look() {
  std::array<bool, 3> pressed{};
  if (!Pressed_Close && !Pressed_Maximize && !Pressed_Minimize) return pressed;
  const POINT cursor = Window_Cursor();
  for (int index = 0; index < kButtonCount; ++index) {
    pressed[index] =
        Button_Shown(index) && Pressed_Flag(index) && PtInRect(&Button_Rect[index], cursor);
  }
  return pressed;
}

// Caption in surface 2: left end, right end, the middle repeating columns
// p_LeftEnd + 1 to p_ActiveRight, then the buttons.
void cNeoClass::Draw_Caption(int left, int W, int xShift, const std::array<bool, 3>& pressed) {
  const int h0 = Surface[0].Height();
  const int RW = m_Description.RightEnd - m_Description.ActiveRight + 1;
  HDC caption = Surface[0].Dc();
  HDC buffer = Surface[2].Dc();
  Copy(buffer, 0, 0, m_Description.LeftEnd, h0, caption, xShift, 0);
  const int xRight = Right_End_Left(left, W);
  Copy(buffer, xRight, 0, RW, h0, caption, m_Description.ActiveRight + xShift, 0);

  // The middle: one tile from the picture, then the run drawn so far doubled
  // along, each copy cut at the right end.
  int tile = m_Description.ActiveRight - m_Description.LeftEnd;
  if (tile <= 0) tile = kMiddleTileFallback;
  const int x0 = m_Description.LeftEnd;
  Copy(buffer, x0, 0, std::min(tile, xRight - x0), h0, caption, x0 + 1 + xShift, 0);
  for (int x = x0 + tile, n = tile; x < xRight; x += n, n *= 2) {
    Copy(buffer, x, 0, std::min(n, xRight - x), h0, buffer, x0, 0);
  }

  for (int index = 0; index < kButtonCount; ++index) {
    Draw_Button(buffer, index, pressed[index] ? kButtonPressed : kButtonNormal, Button_Rect[index]);
  }
}

// Side strip in surface 3: tiles 0 and 4 side by side, doubled down the whole
// surface, so that it serves every window height up to the surface's.
void cNeoClass::Draw_Side_Strip(int S, int ySrc) {
  HDC borders = Surface[1].Dc();
  HDC strip = Surface[3].Dc();
  Copy(strip, 0, 0, S, S, borders, kTileLeftEdge * S, ySrc);
  Copy(strip, S, 0, S, S, borders, kTileRightEdge * S, ySrc);
  DoubleAlong(strip, S, 2 * S, Surface[3].Height(), true);
}

// Bottom strip in surface 4: tile 3 doubled along the whole surface, then the
// two corners of a window W wide.
void cNeoClass::Draw_Bottom_Strip(int W, int S, int ySrc) {
  HDC borders = Surface[1].Dc();
  HDC strip = Surface[4].Dc();
  Copy(strip, 0, 0, S, S, borders, kTileBottomEdge * S, ySrc);
  DoubleAlong(strip, S, S, Surface[4].Width(), false);
  Copy(strip, 0, 0, S, S, borders, kTileBottomLeft * S, ySrc);
  const int corner = Is_Sizable ? kTileBottomRightSizable : kTileBottomRightFixed;
  Copy(strip, W - S, 0, S, S, borders, corner * S, ySrc);
}

void cNeoClass::Discard_Kept_Strips() {
  Kept_Caption.Discard();
  Kept_Side.Discard();
  Kept_Bottom.Discard();
}

// Composes only the strips whose inputs changed since they were composed, then
// copies caption, left edge, right edge and bottom to the window.
void cNeoClass::Draw_Frame(HDC hdc, HWND hwnd, int left, int top, int right, int bottom,
                           bool active) {
  const int W = right - left;
  const int H = bottom - top;
  const int h0 = Surface[0].Height();
  const int S = m_Description.BorderHasInactive ? Surface[1].Height() / 2 : Surface[1].Height();
  const int xShift = active ? 0 : m_Description.Offset;
  const int ySrc = m_Description.BorderHasInactive && !active ? S : 0;
  if (Kept_Description != m_Description) {
    Discard_Kept_Strips();
    Kept_Description = m_Description;
  }

  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  Place_Buttons(style, left, W);
  const std::array<bool, 3> pressed = Pressed_Look();
  if (Kept_Caption.Stale({left, W, active, style & kCaptionStyleBits, pressed},
                         Grow(Surface[2], W, h0))) {
    Draw_Caption(left, W, xShift, pressed);
  }
  Copy(hdc, left, top, Surface[2].Width(), Surface[2].Height(), Surface[2].Dc(), 0, 0);

  if (Kept_Side.Stale({ySrc}, Grow(Surface[3], 2 * Surface[1].Width(), H + 1))) {
    Draw_Side_Strip(S, ySrc);
  }
  HDC side = Surface[3].Dc();
  const int LW = m_Description.LeftBorderWidth >= 1 ? m_Description.LeftBorderWidth : S;
  Copy(hdc, left, top + h0, LW, H - h0, side, 0, 0);
  const int RBW = m_Description.RightBorderWidth;
  if (RBW >= 1) {
    Copy(hdc, right - RBW - 1, top + h0, RBW + 1, H - h0, side, 2 * S - RBW - 1, 0);
  } else {
    Copy(hdc, right - S, top + h0, S, H - h0, side, S, 0);
  }

  // A borders tile taller than the caption picture is cut to its height, as the
  // bottom edge always was.
  const int rows = std::min(S, h0);
  if (Kept_Bottom.Stale({W, ySrc}, Grow(Surface[4], W + 1, rows))) Draw_Bottom_Strip(W, S, ySrc);
  Copy(hdc, left, bottom - S, W + 1, rows, Surface[4].Dc(), 0, 0);
}

void cNeoClass::Paint_Frame(HDC hdc, int left, int top, int right, int bottom) {
  Draw_Frame(hdc, Target_hWnd, left, top, right, bottom, Is_Active);
}
