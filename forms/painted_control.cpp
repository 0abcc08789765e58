#include "forms/painted_control.h"

#include "forms/click.h"

namespace zel {

LRESULT ContainerControl::WindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  LRESULT result = 0;
  if (HandleChildMessage(msg, wparam, lparam, &result)) return result;
  if (SelfPaintMessage(
          msg, [this](HDC dc) { PaintSurface(dc); }, &result))
    return result;
  return Control::WindowMessage(msg, wparam, lparam);
}

LRESULT ClickableControl::WindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (TrackClick(hwnd(), msg, lparam, pressed_, Click)) return 0;
  LRESULT result = 0;
  if (SelfPaintMessage(
          msg, [this](HDC dc) { Paint(dc); }, &result))
    return result;
  return Control::WindowMessage(msg, wparam, lparam);
}

}  // namespace zel
