// The one way a window of ours is bound to its object: the object is kept in
// GWLP_USERDATA and one procedure forwards every message to it. A window of a
// class of ours gets the object as its creation parameter and is bound from
// WM_NCCREATE on; a system control keeps its system class name (which
// accessibility tools key on) and is bound by subclassing it once created.
#pragma once

#include <windows.h>

namespace zel {

// An object that receives the messages of one window made by CreateTargetWindow
// or CreateSystemControlWindow.
class WindowTarget {
 public:
  virtual LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) = 0;
  // The window is being destroyed (WM_NCDESTROY); the handle must be forgotten.
  virtual void OnWindowGone() = 0;

 protected:
  ~WindowTarget() = default;
};

// Describes a window class of ours.
struct TargetClass {
  const wchar_t* name;
  HBRUSH background = nullptr;
};

// Creates a window of `window_class` (registered on first use) whose messages go
// to `target` until DetachTarget or destruction.
HWND CreateTargetWindow(WindowTarget* target, const TargetClass& window_class, DWORD ex_style,
                        DWORD style, const wchar_t* text, int x, int y, int cx, int cy,
                        HWND parent);

// Creates a system control (L"Button", WC_TREEVIEWW) under its own class name
// whose messages go to `target` from the first one after creation until
// DetachTarget or destruction; the control's own procedure is then the target's
// default (DefaultTargetProc).
HWND CreateSystemControlWindow(WindowTarget* target, const wchar_t* system_class, DWORD ex_style,
                               DWORD style, const wchar_t* text, int x, int y, int cx, int cy,
                               HWND parent);

// What a target does with a message it leaves alone: the control's own
// procedure for a system control, DefWindowProcW for a window of our classes.
LRESULT DefaultTargetProc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

// From now on the window's messages go to the default procedure (a system
// control gets its own procedure back); used before an object destroys its
// window from its destructor.
void DetachTarget(HWND hwnd);

// The module our window classes are registered in.
HINSTANCE ThisModule();

}  // namespace zel
