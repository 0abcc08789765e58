#include "viewer/process_launcher.h"

#include "win32/process_start.h"

namespace zel {

std::wstring ShellProgramPath() {
  return PathInSystemFolder(&GetWindowsDirectoryW, L"explorer.exe");
}

bool ShellLauncher::Start(const std::wstring& command_line, int show) {
  return StartProcess(ShellProgramPath(), command_line, show) == 0;
}

}  // namespace zel
