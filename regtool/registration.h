// Starting the two registration commands.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "win32/process_start.h"

namespace zelreg {

// The exact command lines, blanks included.
inline constexpr const wchar_t* kRegistrationCommands[] = {
    L"Regsvr32.exe   /s  TABCTL32.OCX",
    L"Regsvr32.exe   /s  mscomctl.ocx",
};

struct StartFailure {
  std::wstring command;
  DWORD error = 0;  // the system's error code
};

// Starts one command line; returns 0 or the system's error code.
using CommandStarter = std::function<DWORD(const wchar_t* command_line)>;

// Reads the system directory (GetSystemDirectoryW); replaceable by tests.
using SystemDirectoryFunction = zel::SystemFolderFunction;

// Full path of Regsvr32.exe in the system directory; empty when that cannot be read.
std::wstring RegistrarPath(SystemDirectoryFunction system_directory = &GetSystemDirectoryW);

// Starts `command_line` with `registrar` as the program, minimised and activated, without
// waiting; both handles are closed at once. Returns 0 or the system's error code; an empty
// registrar starts nothing and fails with ERROR_PATH_NOT_FOUND.
DWORD StartMinimized(const std::wstring& registrar, const wchar_t* command_line);

// Starts each command with the registrar from the system directory.
CommandStarter RegistrarStarter(SystemDirectoryFunction system_directory = &GetSystemDirectoryW);

// Starts the commands in order and stops at the first that cannot be started.
std::optional<StartFailure> StartRegistrations(const CommandStarter& start);

// The same with the real registrar from the system directory.
std::optional<StartFailure> StartRegistrations();

// Text of the error report: the command and the system's reason.
std::wstring DescribeFailure(const StartFailure& failure);

}  // namespace zelreg
