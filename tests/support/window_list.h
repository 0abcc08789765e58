// Listing windows without a callback at each call site: Win32 enumeration
// callbacks must be stdcall on i686, which a capturing or plain lambda is not.
#pragma once

#include <windows.h>

#include <vector>

namespace zeltest {

// Every top-level window, in Z order.
std::vector<HWND> TopLevelWindows();
// Every descendant of `parent`, depth first.
std::vector<HWND> ChildWindows(HWND parent);
// The id of the process that owns `hwnd`.
DWORD OwnerProcess(HWND hwnd);

}  // namespace zeltest
