// Listing and reading windows. The lists need no callback at each call site:
// Win32 enumeration callbacks must be stdcall on i686, which a lambda is not.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace zeltest {

// Every top-level window, in Z order.
std::vector<HWND> TopLevelWindows();
// Every descendant of `parent`, depth first.
std::vector<HWND> ChildWindows(HWND parent);
// The top-level windows of process `pid`, in Z order.
std::vector<HWND> TopLevelWindowsOf(DWORD pid);

std::wstring WindowText(HWND hwnd);
std::wstring ClassName(HWND hwnd);
// On the screen.
RECT WindowRect(HWND hwnd);
// In its parent's client coordinates.
RECT RectInParent(HWND hwnd);

}  // namespace zeltest
