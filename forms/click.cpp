#include "forms/click.h"

#include <windowsx.h>

namespace zel {

bool TrackClick(HWND hwnd, UINT msg, LPARAM lparam, bool& pressed,
                const std::function<void()>& click) {
  switch (msg) {
    case WM_LBUTTONDOWN:
      pressed = true;
      SetCapture(hwnd);
      return true;
    case WM_LBUTTONUP: {
      const bool was_pressed = pressed;
      pressed = false;
      if (GetCapture() == hwnd) ReleaseCapture();
      RECT client{};
      GetClientRect(hwnd, &client);
      const POINT pt{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
      if (was_pressed && PtInRect(&client, pt)) {
        // A copy, so that the handler may replace the control's handler.
        const std::function<void()> handler = click;
        if (handler) handler();
      }
      return true;
    }
    case WM_CAPTURECHANGED:
      pressed = false;
      return true;
    default:
      return false;
  }
}

}  // namespace zel
