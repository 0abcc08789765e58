// The engine's registry: named properties on the window itself. Names are
// built from signed 32-bit decimal numbers; values are pointer-sized.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zel::subclass_registry {

// Longest name: "-2147483648#-2147483648#-2147483648" plus the terminator.
constexpr size_t kMaxNameLength = 35;

struct PropertyName {
  char text[kMaxNameLength + 1];
};

// Handles are 32-bit significant on both architectures.
int32_t HandleNumber(HWND hwnd);

PropertyName OldProcName(HWND hwnd);                                // H
PropertyName AttachCountName(HWND hwnd);                            // "C"H
PropertyName ClientCountName(HWND hwnd, int32_t msg);               // H#M"C"
PropertyName ClientName(HWND hwnd, int32_t msg, int32_t position);  // H#M#I

// A missing entry reads as 0.
HANDLE Read(HWND hwnd, const PropertyName& name);
// Returns whether the platform accepted the value; a value of 0 then removes the entry.
bool Store(HWND hwnd, const PropertyName& name, HANDLE value);

// The platform calls the engine makes that can fail, replaceable by tests to reach
// the rollback paths (restore with ResetPlatformCalls).
using SetPropFunction = BOOL(WINAPI*)(HWND, LPCSTR, HANDLE);
using SetWindowProcFunction = LONG_PTR (*)(HWND, LONG_PTR);
using VirtualAllocFunction = LPVOID(WINAPI*)(LPVOID, SIZE_T, DWORD, DWORD);
struct PlatformCalls {
  SetPropFunction setProp;
  SetWindowProcFunction setWindowProc;  // of the window's own kind (window_kind.h)
  VirtualAllocFunction virtualAlloc;    // the page of a replacement procedure's code
};
PlatformCalls& Platform();
void ResetPlatformCalls();

}  // namespace zel::subclass_registry
