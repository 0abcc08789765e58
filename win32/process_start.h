// Starting a program without waiting for it, by its full path only: a bare name
// would be looked up in the current folder first, where anything may be planted.
#pragma once

#include <windows.h>

#include <string>

namespace zel {

// Reads a system folder: GetSystemDirectoryW, GetWindowsDirectoryW, or a stand-in.
using SystemFolderFunction = UINT(WINAPI*)(LPWSTR, UINT);

// <folder>\<name>; empty when the folder cannot be read.
std::wstring PathInSystemFolder(SystemFolderFunction folder, const wchar_t* name);

// Starts `program` with `command_line` exactly as given, its first window shown as
// `show` (SW_*), and closes both handles at once. Returns 0 or the system's error
// code; an empty program starts nothing and gives ERROR_PATH_NOT_FOUND.
DWORD StartProcess(const std::wstring& program, const std::wstring& command_line, int show);

}  // namespace zel
