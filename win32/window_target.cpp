#include "win32/window_target.h"

#include <map>

namespace zel {
namespace {

// Class atom -> procedure of the system class it was made from.
std::map<ATOM, WNDPROC>& BaseProcs() {
  static std::map<ATOM, WNDPROC> procs;
  return procs;
}

LRESULT CALLBACK TargetProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  auto* target = reinterpret_cast<WindowTarget*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!target) return DefaultTargetProc(hwnd, msg, wparam, lparam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    target->OnWindowGone();
    return DefaultTargetProc(hwnd, msg, wparam, lparam);
  }
  return target->OnMessage(hwnd, msg, wparam, lparam);
}

bool EnsureClass(const TargetClass& window_class) {
  WNDCLASSEXW existing{sizeof(existing)};
  if (GetClassInfoExW(ThisModule(), window_class.name, &existing)) return true;
  WNDCLASSEXW wc{sizeof(wc)};
  if (window_class.base && !GetClassInfoExW(nullptr, window_class.base, &wc)) return false;
  const WNDPROC base_proc = window_class.base ? wc.lpfnWndProc : nullptr;
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = TargetProc;
  wc.hInstance = ThisModule();
  if (!window_class.base) wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  if (window_class.background) wc.hbrBackground = window_class.background;
  wc.lpszClassName = window_class.name;
  const ATOM atom = RegisterClassExW(&wc);
  if (!atom) return GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
  if (base_proc) BaseProcs()[atom] = base_proc;
  return true;
}

}  // namespace

HINSTANCE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExW(
      GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
      reinterpret_cast<LPCWSTR>(&TargetProc), &module);
  return module;
}

HWND CreateTargetWindow(WindowTarget* target, const TargetClass& window_class, DWORD ex_style,
                        DWORD style, const wchar_t* text, int x, int y, int cx, int cy,
                        HWND parent) {
  if (!EnsureClass(window_class)) return nullptr;
  return CreateWindowExW(ex_style, window_class.name, text, style, x, y, cx, cy, parent, nullptr,
                         ThisModule(), target);
}

LRESULT DefaultTargetProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  const auto atom = static_cast<ATOM>(GetClassLongPtrW(hwnd, GCW_ATOM));
  const auto& procs = BaseProcs();
  const auto it = procs.find(atom);
  if (it != procs.end()) return CallWindowProcW(it->second, hwnd, msg, wparam, lparam);
  return DefWindowProcW(hwnd, msg, wparam, lparam);
}

void DetachTarget(HWND hwnd) {
  if (hwnd && IsWindow(hwnd)) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
}

}  // namespace zel
