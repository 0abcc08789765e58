// Painting of the skinned frame: the caption bar with its buttons is composed in
// surface 2, the side strip in surface 3, and each reaches the window in one copy.
#include "skin/neo_class.h"

namespace {

constexpr int kMiddleTileFallback = 16;  // middle tile width when the picture gives none
constexpr int kAutoButtonsTop = 5;
constexpr int kAutoButtonsInset = 4;

// A copy of no columns or rows is skipped: the platform would copy a mirrored
// range for a negative size instead of nothing.
void Copy(HDC dst, int x, int y, int cx, int cy, HDC src, int xs, int ys) {
  if (cx <= 0 || cy <= 0) return;
  BitBlt(dst, x, y, cx, cy, src, xs, ys, SRCCOPY);
}

}  // namespace

bool cNeoClass::Button_Shown(int index) const {
  switch (index) {
    case 0:
      return Has_Close;
    case 1:
      return Has_Maximize;
    default:
      return Has_Minimize;
  }
}

bool& cNeoClass::Pressed_Flag(int index) {
  switch (index) {
    case 0:
      return Pressed_Close;
    case 1:
      return Pressed_Maximize;
    default:
      return Pressed_Minimize;
  }
}

void cNeoClass::Draw_Button(HDC hdc, int index, int state, const RECT& rect) {
  if (!Button_Shown(index)) return;
  int glyph = 3;  // minimize
  if (index == 0) {
    glyph = 0;
  } else if (index == 1) {
    glyph = (GetWindowLongA(Target_hWnd, GWL_STYLE) & WS_MAXIMIZE) ? 1 : 2;  // restore : maximize
  }
  int column = m_RightEnd + glyph * m_ButtonWidth;
  if (m_ControlHasInactive && !Is_Active) column += m_Offset;
  const int row = state == 1 ? m_ButtonHeight : 0;
  Copy(hdc, rect.left, rect.top, m_ButtonWidth, m_ButtonHeight, Surface[0].Dc(), column, row);
}

void cNeoClass::Draw_Frame(HDC hdc, HWND hwnd, int left, int top, int right, int bottom,
                           bool active) {
  const int W = right - left;
  const int H = bottom - top;
  const int h0 = Surface[0].Height();
  const int RW = m_RightEnd - m_ActiveRight + 1;
  const int S = m_BorderHasInactive ? Surface[1].Height() / 2 : Surface[1].Height();

  Surface[2].Ensure_Width(W);
  Surface[2].Ensure_Height(h0);
  Surface[3].Ensure_Width(2 * Surface[1].Width());
  Surface[3].Ensure_Height(H + 1);
  const int xShift = active ? 0 : m_Offset;
  const int ySrc = m_BorderHasInactive && !active ? S : 0;

  HDC caption = Surface[0].Dc();
  HDC borders = Surface[1].Dc();
  HDC buffer = Surface[2].Dc();
  HDC strip = Surface[3].Dc();

  // Caption: left end, right end (its last column falls just outside the window),
  // then the middle tiled from column p_LeftEnd + 1.
  Copy(buffer, 0, 0, m_LeftEnd, h0, caption, xShift, 0);
  int xRight = W - RW + 1;
  if (xRight < RW + left) xRight = RW + left;
  Copy(buffer, xRight, 0, RW, h0, caption, m_ActiveRight + xShift, 0);

  const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
  Has_Maximize = (style & WS_MAXIMIZEBOX) != 0;
  Has_Minimize = (style & WS_MINIMIZEBOX) != 0;

  int x = m_LeftEnd;
  do {
    int tw = m_ActiveRight - m_LeftEnd;
    if (tw <= 0) tw = kMiddleTileFallback;
    if (x + tw > xRight) tw = xRight - x;
    Copy(buffer, x, 0, tw, h0, caption, m_LeftEnd + 1 + xShift, 0);
    x += tw;
  } while (x < xRight);

  // Buttons, packed from the right; each rectangle is one column wider than its glyph.
  int bx = 0;
  int by = 0;
  if (m_ControlButtonPosition) {
    bx = W + m_ButtonOffsetX;
    by = m_ButtonOffsetY;
  } else {
    bx = xRight + RW - Surface[1].Height() + kAutoButtonsInset;
    by = kAutoButtonsTop;
  }
  const POINT cursor = Window_Cursor();
  for (int index = 0; index < 3; ++index) {
    if (!Button_Shown(index)) continue;
    bx -= m_ButtonWidth + 1;
    const RECT rect{bx, by, bx + m_ButtonWidth + 1, by + m_ButtonHeight};
    Button_Rect[index] = rect;
    const int state = PtInRect(&rect, cursor) && Pressed_Flag(index) ? 1 : 0;
    Draw_Button(buffer, index, state, rect);
  }
  Copy(hdc, left, top, Surface[2].Width(), Surface[2].Height(), buffer, 0, 0);

  // Side strip: tiles 0 and 4 side by side, doubled downward over at least H rows.
  Copy(strip, 0, 0, S, S, borders, 0, ySrc);
  Copy(strip, S, 0, S, S, borders, 4 * S, ySrc);
  if (S > 0) {
    for (int y = S, n = S; y < H; y += n, n *= 2) Copy(strip, 0, y, 2 * S, n, strip, 0, 0);
  }

  const int LW = m_LeftBorderWidth >= 1 ? m_LeftBorderWidth : S;
  Copy(hdc, left, top + h0, LW, H - h0, strip, 0, 0);
  const int RBW = m_RightBorderWidth;
  if (RBW >= 1) {
    Copy(hdc, right - RBW - 1, top + h0, RBW + 1, H - h0, strip, 2 * S - RBW - 1, 0);
  } else {
    Copy(hdc, right - S, top + h0, S, H - h0, strip, S, 0);
  }

  // Bottom strip, in the caption buffer now that the caption is on screen.
  Copy(buffer, 0, 0, S, S, borders, 3 * S, ySrc);
  if (S > 0) {
    for (int bxs = S, n = S; bxs < right; bxs += n, n *= 2)
      Copy(buffer, bxs, 0, n, S, buffer, 0, 0);
  }
  Copy(buffer, 0, 0, S, S, borders, 2 * S, ySrc);
  Copy(buffer, W - S, 0, S, S, borders, (Is_Sizable ? 6 : 5) * S, ySrc);
  Copy(hdc, left, bottom - S, W + 1, S, buffer, 0, 0);
}

void cNeoClass::Paint_Frame(HDC hdc, int left, int top, int right, int bottom) {
  Draw_Frame(hdc, Target_hWnd, left, top, right, bottom, Is_Active);
}
