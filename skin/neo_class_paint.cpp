// Painting of the skinned frame: the caption bar with its buttons is composed in
// surface 2, the side strip in surface 3, and each reaches the window in one copy.
#include "skin/neo_class.h"

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

// Caption in surface 2: left end, right end (its last column falls just outside
// the window), the middle tiled from column p_LeftEnd + 1, then the buttons.
void cNeoClass::Draw_Caption(HWND hwnd, int left, int W, int xShift) {
  const int h0 = Surface[0].Height();
  const int RW = m_Description.RightEnd - m_Description.ActiveRight + 1;
  HDC caption = Surface[0].Dc();
  HDC buffer = Surface[2].Dc();
  Copy(buffer, 0, 0, m_Description.LeftEnd, h0, caption, xShift, 0);
  int xRight = W - RW + 1;
  if (xRight < RW + left) xRight = RW + left;
  Copy(buffer, xRight, 0, RW, h0, caption, m_Description.ActiveRight + xShift, 0);

  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  Has_Maximize = (style & WS_MAXIMIZEBOX) != 0;
  Has_Minimize = (style & WS_MINIMIZEBOX) != 0;

  int x = m_Description.LeftEnd;
  do {
    int tw = m_Description.ActiveRight - m_Description.LeftEnd;
    if (tw <= 0) tw = kMiddleTileFallback;
    if (x + tw > xRight) tw = xRight - x;
    Copy(buffer, x, 0, tw, h0, caption, m_Description.LeftEnd + 1 + xShift, 0);
    x += tw;
  } while (x < xRight);

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
  const POINT cursor = Window_Cursor();
  for (int index = 0; index < kButtonCount; ++index) {
    if (!rects[index]) continue;  // a hidden button's rectangle keeps its last value
    Button_Rect[index] = *rects[index];
    const bool pressed = PtInRect(&Button_Rect[index], cursor) && Pressed_Flag(index);
    Draw_Button(buffer, index, pressed ? kButtonPressed : kButtonNormal, Button_Rect[index]);
  }
}

// Side edges: tiles 0 and 4 side by side in surface 3, doubled downward over at
// least H rows, then cut to the edge widths.
void cNeoClass::Draw_Side_Edges(HDC hdc, int left, int top, int right, int H, int S, int ySrc) {
  const int h0 = Surface[0].Height();
  HDC borders = Surface[1].Dc();
  HDC strip = Surface[3].Dc();
  Copy(strip, 0, 0, S, S, borders, kTileLeftEdge * S, ySrc);
  Copy(strip, S, 0, S, S, borders, kTileRightEdge * S, ySrc);
  DoubleAlong(strip, S, 2 * S, H, true);

  const int LW = m_Description.LeftBorderWidth >= 1 ? m_Description.LeftBorderWidth : S;
  Copy(hdc, left, top + h0, LW, H - h0, strip, 0, 0);
  const int RBW = m_Description.RightBorderWidth;
  if (RBW >= 1) {
    Copy(hdc, right - RBW - 1, top + h0, RBW + 1, H - h0, strip, 2 * S - RBW - 1, 0);
  } else {
    Copy(hdc, right - S, top + h0, S, H - h0, strip, S, 0);
  }
}

// Bottom edge, in the caption buffer now that the caption is on screen: tile 3
// doubled along, then the two corners.
void cNeoClass::Draw_Bottom_Edge(HDC hdc, int left, int right, int bottom, int W, int S, int ySrc) {
  HDC borders = Surface[1].Dc();
  HDC buffer = Surface[2].Dc();
  Copy(buffer, 0, 0, S, S, borders, kTileBottomEdge * S, ySrc);
  DoubleAlong(buffer, S, S, right, false);
  Copy(buffer, 0, 0, S, S, borders, kTileBottomLeft * S, ySrc);
  const int corner = Is_Sizable ? kTileBottomRightSizable : kTileBottomRightFixed;
  Copy(buffer, W - S, 0, S, S, borders, corner * S, ySrc);
  Copy(hdc, left, bottom - S, W + 1, S, buffer, 0, 0);
}

void cNeoClass::Draw_Frame(HDC hdc, HWND hwnd, int left, int top, int right, int bottom,
                           bool active) {
  const int W = right - left;
  const int H = bottom - top;
  const int S = m_Description.BorderHasInactive ? Surface[1].Height() / 2 : Surface[1].Height();

  Surface[2].Ensure_Width(W);
  Surface[2].Ensure_Height(Surface[0].Height());
  Surface[3].Ensure_Width(2 * Surface[1].Width());
  Surface[3].Ensure_Height(H + 1);
  const int xShift = active ? 0 : m_Description.Offset;
  const int ySrc = m_Description.BorderHasInactive && !active ? S : 0;

  Draw_Caption(hwnd, left, W, xShift);
  Copy(hdc, left, top, Surface[2].Width(), Surface[2].Height(), Surface[2].Dc(), 0, 0);
  Draw_Side_Edges(hdc, left, top, right, H, S, ySrc);
  Draw_Bottom_Edge(hdc, left, right, bottom, W, S, ySrc);
}

void cNeoClass::Paint_Frame(HDC hdc, int left, int top, int right, int bottom) {
  Draw_Frame(hdc, Target_hWnd, left, top, right, bottom, Is_Active);
}
