// Window classes of the form layer and the routing of their messages to objects.
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

// Creates a window of the layer's class `class_name` (registered on first use)
// whose messages go to `target` until DetachTarget or destruction.
HWND CreateTargetWindow(WindowTarget* target, const wchar_t* class_name, DWORD ex_style,
                        DWORD style, const wchar_t* text, int x, int y, int cx, int cy,
                        HWND parent);

// From now on the window's messages go to DefWindowProcW; used before an object
// destroys its window from its destructor.
void DetachTarget(HWND hwnd);

}  // namespace zel
