#include "win32/window_target.h"

#include <string>

#include "win32/trace.h"

namespace zel {
namespace {

// A bound system control's own procedure, kept on the window while it is bound.
constexpr wchar_t kControlProcProperty[] = L"ZelvanoControlProc";

LRESULT CALLBACK TargetProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);
LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

WindowTarget* TargetOf(HWND hwnd) {
  return reinterpret_cast<WindowTarget*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

// Windows of our classes have TargetProc as their class procedure; anything
// else bound to a target is a system control.
bool OfOurClass(HWND hwnd) {
  return GetClassLongPtrW(hwnd, GCLP_WNDPROC) == reinterpret_cast<ULONG_PTR>(&TargetProc);
}

WNDPROC ControlOwnProc(HWND hwnd) {
  if (OfOurClass(hwnd)) return nullptr;
  return reinterpret_cast<WNDPROC>(GetPropW(hwnd, kControlProcProperty));
}

// Puts a system control's own procedure back, unless a later subclass sits on
// top of ours: then ours stays in the chain and passes everything on.
void GiveBackControl(HWND hwnd) {
  const LONG_PTR own = reinterpret_cast<LONG_PTR>(GetPropW(hwnd, kControlProcProperty));
  if (!own || GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&ControlProc))
    return;
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, own);
  RemovePropW(hwnd, kControlProcProperty);
}

// Hands a message to the window's object; at WM_NCDESTROY the binding goes first.
LRESULT Forward(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  WindowTarget* target = TargetOf(hwnd);
  if (msg == WM_NCDESTROY) {
    const WNDPROC own = ControlOwnProc(hwnd);
    DetachTarget(hwnd);
    if (own) RemovePropW(hwnd, kControlProcProperty);
    if (target) target->OnWindowGone();
    return own ? CallWindowProcW(own, hwnd, msg, wparam, lparam)
               : DefWindowProcW(hwnd, msg, wparam, lparam);
  }
  if (!target) return DefaultTargetProc(hwnd, msg, wparam, lparam);
  return target->OnMessage(hwnd, msg, wparam, lparam);
}

LRESULT CALLBACK TargetProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  }
  return Forward(hwnd, msg, wparam, lparam);
}

LRESULT CALLBACK ControlProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  return Forward(hwnd, msg, wparam, lparam);
}

bool EnsureClass(const TargetClass& window_class) {
  WNDCLASSEXW existing{sizeof(existing)};
  if (GetClassInfoExW(ThisModule(), window_class.name, &existing)) return true;
  WNDCLASSEXW wc{sizeof(wc)};
  wc.lpfnWndProc = TargetProc;
  wc.hInstance = ThisModule();
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = window_class.background;
  wc.lpszClassName = window_class.name;
  return RegisterClassExW(&wc) || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
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
  if (!EnsureClass(window_class)) {
    TraceLastError(std::wstring(L"RegisterClassExW(") + window_class.name + L")");
    return nullptr;
  }
  HWND hwnd = CreateWindowExW(ex_style, window_class.name, text, style, x, y, cx, cy, parent,
                              nullptr, ThisModule(), target);
  if (!hwnd) TraceLastError(std::wstring(L"CreateWindowExW(") + window_class.name + L")");
  return hwnd;
}

HWND CreateSystemControlWindow(WindowTarget* target, const wchar_t* system_class, DWORD ex_style,
                               DWORD style, const wchar_t* text, int x, int y, int cx, int cy,
                               HWND parent) {
  HWND hwnd = CreateWindowExW(ex_style, system_class, text, style, x, y, cx, cy, parent, nullptr,
                              ThisModule(), nullptr);
  if (!hwnd) {
    TraceLastError(std::wstring(L"CreateWindowExW(") + system_class + L")");
    return nullptr;
  }
  const LONG_PTR own = GetWindowLongPtrW(hwnd, GWLP_WNDPROC);
  if (!own || !SetPropW(hwnd, kControlProcProperty, reinterpret_cast<HANDLE>(own))) {
    TraceLastError(std::wstring(L"binding a ") + system_class + L" control to its object");
    DestroyWindow(hwnd);
    return nullptr;
  }
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(target));
  SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlProc));
  return hwnd;
}

LRESULT DefaultTargetProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (const WNDPROC own = ControlOwnProc(hwnd))
    return CallWindowProcW(own, hwnd, msg, wparam, lparam);
  return DefWindowProcW(hwnd, msg, wparam, lparam);
}

void DetachTarget(HWND hwnd) {
  if (!hwnd || !IsWindow(hwnd)) return;
  GiveBackControl(hwnd);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
}

}  // namespace zel
