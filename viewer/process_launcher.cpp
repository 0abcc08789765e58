#include "viewer/process_launcher.h"

#include <windows.h>

#include <vector>

#include "win32/unique_handle.h"

namespace zel {

std::wstring ShellProgramPath() {
  wchar_t dir[MAX_PATH] = {};
  const UINT n = GetWindowsDirectoryW(dir, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  std::wstring path(dir, n);
  if (path.back() != L'\\') path += L'\\';
  return path + L"explorer.exe";
}

bool ShellLauncher::Start(const std::wstring& command_line, int show) {
  const std::wstring program = ShellProgramPath();
  if (program.empty()) return false;
  // CreateProcessW may write into the command line.
  std::vector<wchar_t> buffer(command_line.begin(), command_line.end());
  buffer.push_back(L'\0');
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = static_cast<WORD>(show);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &si, &pi))
    return false;
  // Not waited for.
  UniqueHandle thread(pi.hThread);
  UniqueHandle process(pi.hProcess);
  return true;
}

}  // namespace zel
