// A window's drawing turned off for a batch of changes, and on again after them
// with one repaint of the whole window.
#pragma once

#include <windows.h>

namespace zel {

class RedrawPause {
 public:
  // A window without WS_VISIBLE draws nothing anyway, and is left alone: turning
  // drawing on again would set the style (the default procedure's way).
  explicit RedrawPause(HWND hwnd)
      : hwnd_(hwnd && (GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE) ? hwnd : nullptr) {
    if (hwnd_) SendMessageW(hwnd_, WM_SETREDRAW, FALSE, 0);
  }
  ~RedrawPause() {
    if (!hwnd_) return;
    SendMessageW(hwnd_, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  }
  RedrawPause(const RedrawPause&) = delete;
  RedrawPause& operator=(const RedrawPause&) = delete;

 private:
  HWND hwnd_;
};

}  // namespace zel
