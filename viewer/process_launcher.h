// Starts a command line without waiting for it, in a given window style.
#pragma once

#include <string>

namespace zel {

class ProcessLauncher {
 public:
  virtual ~ProcessLauncher() = default;
  // Starts `command_line` with the show style `show` (SW_*); true when it started.
  virtual bool Start(const std::wstring& command_line, int show) = 0;
};

// Runs the system shell program (explorer.exe from the Windows directory, never
// one found beside the viewer) with the command line as given.
class ShellLauncher : public ProcessLauncher {
 public:
  bool Start(const std::wstring& command_line, int show) override;
};

// The shell program's full path: <Windows directory>\explorer.exe.
std::wstring ShellProgramPath();

}  // namespace zel
