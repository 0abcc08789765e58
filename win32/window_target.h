// The one way a window of ours is bound to its object: the object is passed as
// the creation parameter, kept in GWLP_USERDATA from WM_NCCREATE on, and one
// procedure forwards every message to it.
#pragma once

#include <windows.h>

namespace zel {

// An object that receives the messages of one window made by CreateTargetWindow.
class WindowTarget {
 public:
  virtual LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) = 0;
  // The window is being destroyed (WM_NCDESTROY); the handle must be forgotten.
  virtual void OnWindowGone() = 0;

 protected:
  ~WindowTarget() = default;
};

// Describes a window class of ours: its name, and optionally a system control
// class (L"BUTTON", WC_TREEVIEWW) that it is made from, whose procedure then
// handles what the target leaves to the default.
struct TargetClass {
  const wchar_t* name;
  const wchar_t* base = nullptr;
  HBRUSH background = nullptr;
};

// Creates a window of `window_class` (registered on first use) whose messages go
// to `target` until DetachTarget or destruction.
HWND CreateTargetWindow(WindowTarget* target, const TargetClass& window_class, DWORD ex_style,
                        DWORD style, const wchar_t* text, int x, int y, int cx, int cy,
                        HWND parent);

// What a target does with a message it leaves alone: the base class's procedure,
// or DefWindowProcW for a class made from none.
LRESULT DefaultTargetProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

// From now on the window's messages go to the default procedure; used before an
// object destroys its window from its destructor.
void DetachTarget(HWND hwnd);

// The module our window classes are registered in.
HINSTANCE ThisModule();

}  // namespace zel
