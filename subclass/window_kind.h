// A window is Unicode or ANSI by the kind of its window procedure. The engine
// installs, reads back and calls procedures with the functions of the window's
// own kind: the other kind would turn a Unicode window into an ANSI one (text
// outside the ANSI code page lost), and would read back a handle standing for
// the procedure instead of its entry point.
#pragma once

#include <windows.h>

namespace zel::window_kind {

// Makes proc the window procedure of hwnd, of the window's kind; returns the
// procedure it replaced (0 on failure).
LONG_PTR SetProc(HWND hwnd, LONG_PTR proc);
// The window procedure as installed with the window's kind.
LONG_PTR GetProc(HWND hwnd);
// Calls proc with message arguments of the kind given (those of a procedure
// installed on a window of that kind).
LRESULT CallProc(bool unicode, WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

}  // namespace zel::window_kind
