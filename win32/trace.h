// A line for whoever debugs a failure the user is not told about. It goes to
// OutputDebugStringW only (no file, no window): an attached debugger or a
// debug-output viewer shows it, and it costs next to nothing otherwise.
// Every folder may include this header.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace zel {

// "Zelvano: <call> failed: error <n>: <system text>". `call` names the failing
// call and what it was for, e.g. L"LoadLibraryExW(atl.dll)". GetLastError is
// left as it was.
void TraceError(const std::wstring& call, DWORD error);
// The same with GetLastError() read first.
void TraceLastError(const std::wstring& call);
// "Zelvano: <call> failed: HRESULT 0x<hr>: <system text>".
void TraceHresult(const std::wstring& call, HRESULT hr);
// A failure without a code of its own.
void TraceFailure(const std::wstring& what);

// Numbers as the trace lines and the programs' addresses write them, without
// the C library's formatted output (which would more than double a small
// program): "-42"; "0x8007000E" (eight upper-case digits).
std::wstring DecimalText(int64_t value);
std::wstring HexText(uint32_t value);

}  // namespace zel
