#include "forms/window_target.h"

namespace zel {
namespace {

LRESULT CALLBACK TargetProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* target = reinterpret_cast<WindowTarget*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!target) return DefWindowProcW(hwnd, msg, wparam, lparam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    target->OnWindowGone();
    return DefWindowProcW(hwnd, msg, wparam, lparam);
  }
  return target->OnMessage(hwnd, msg, wparam, lparam);
}

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&TargetProc), &module);
  return module;
}

bool EnsureClass(const wchar_t* class_name) {
  WNDCLASSEXW existing{sizeof(existing)};
  if (GetClassInfoExW(ThisModule(), class_name, &existing)) return true;
  WNDCLASSEXW wc{sizeof(wc)};
  wc.lpfnWndProc = TargetProc;
  wc.hInstance = ThisModule();
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = class_name;
  return RegisterClassExW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

}  // namespace

HWND CreateTargetWindow(WindowTarget* target, const wchar_t* class_name, DWORD ex_style,
                        DWORD style, const wchar_t* text, int x, int y, int cx, int cy,
                        HWND parent) {
  if (!EnsureClass(class_name)) return nullptr;
  return CreateWindowExW(ex_style, class_name, text, style, x, y, cx, cy, parent, nullptr,
                         ThisModule(), target);
}

void DetachTarget(HWND hwnd) {
  if (hwnd && IsWindow(hwnd)) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
}

}  // namespace zel
