#include "win32/process_start.h"

#include <vector>

#include "win32/trace.h"
#include "win32/unique_handle.h"

namespace zel {

std::wstring PathInSystemFolder(SystemFolderFunction folder, const wchar_t* name) {
  std::vector<wchar_t> dir(MAX_PATH);
  UINT n = folder(dir.data(), static_cast<UINT>(dir.size()));
  if (n >= dir.size()) {  // too small: n is the size it needs
    dir.resize(n + 1);
    n = folder(dir.data(), static_cast<UINT>(dir.size()));
  }
  if (n == 0 || n >= dir.size()) return {};
  std::wstring path(dir.data(), n);
  if (path.back() != L'\\') path += L'\\';
  return path + name;
}

DWORD StartProcess(const std::wstring& program, const std::wstring& command_line, int show) {
  if (program.empty()) {
    TraceError(L"StartProcess (no program path for \"" + command_line + L"\")",
               ERROR_PATH_NOT_FOUND);
    return ERROR_PATH_NOT_FOUND;
  }
  // CreateProcessW may write into the command line, so it gets a private copy.
  std::wstring text = command_line;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = static_cast<WORD>(show);
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(program.c_str(), text.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &si, &pi)) {
    const DWORD error = GetLastError() ? GetLastError() : ERROR_GEN_FAILURE;
    TraceError(L"CreateProcessW(" + program + L")", error);
    return error;
  }
  UniqueHandle thread(pi.hThread);  // not waited for
  UniqueHandle process(pi.hProcess);
  return 0;
}

}  // namespace zel
