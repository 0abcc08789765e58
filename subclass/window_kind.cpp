#include "subclass/window_kind.h"

namespace zel::window_kind {

LONG_PTR SetProc(HWND hwnd, LONG_PTR proc) {
  return IsWindowUnicode(hwnd) ? SetWindowLongPtrW(hwnd, GWLP_WNDPROC, proc)
                               : SetWindowLongPtrA(hwnd, GWLP_WNDPROC, proc);
}

LONG_PTR GetProc(HWND hwnd) {
  return IsWindowUnicode(hwnd) ? GetWindowLongPtrW(hwnd, GWLP_WNDPROC)
                               : GetWindowLongPtrA(hwnd, GWLP_WNDPROC);
}

LRESULT CallProc(bool unicode, WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return unicode ? CallWindowProcW(proc, hwnd, msg, wParam, lParam)
                 : CallWindowProcA(proc, hwnd, msg, wParam, lParam);
}

}  // namespace zel::window_kind
