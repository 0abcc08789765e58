#include "regtool/registration.h"

#include <vector>

namespace zelreg {

std::wstring RegistrarPath(SystemDirectoryFunction system_directory) {
  std::vector<wchar_t> dir(MAX_PATH);
  UINT n = system_directory(dir.data(), static_cast<UINT>(dir.size()));
  if (n >= dir.size()) {
    dir.resize(n + 1);
    n = system_directory(dir.data(), static_cast<UINT>(dir.size()));
  }
  // Never the bare name: the system would look for it in the current folder first.
  if (n == 0 || n >= dir.size()) return {};
  std::wstring path(dir.data(), n);
  if (path.back() != L'\\') path += L'\\';
  return path + L"Regsvr32.exe";
}

DWORD StartMinimized(const std::wstring& registrar, const wchar_t* command_line) {
  if (registrar.empty()) return ERROR_PATH_NOT_FOUND;
  // CreateProcessW may write into the command line, so it gets a private copy.
  std::wstring text = command_line;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWMINIMIZED;
  PROCESS_INFORMATION pi{};
  // The program is named by its full path so that nothing beside the tool or in the
  // current folder can run in its place; the command-line text stays as given.
  if (!CreateProcessW(registrar.c_str(), text.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &si, &pi)) {
    DWORD error = GetLastError();
    return error ? error : ERROR_GEN_FAILURE;
  }
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return 0;
}

std::optional<StartFailure> StartRegistrations(const CommandStarter& start) {
  for (const wchar_t* command : kRegistrationCommands) {
    if (DWORD error = start(command)) return StartFailure{command, error};
  }
  return std::nullopt;
}

CommandStarter RegistrarStarter(SystemDirectoryFunction system_directory) {
  return [registrar = RegistrarPath(system_directory)](const wchar_t* command) {
    return StartMinimized(registrar, command);
  };
}

std::optional<StartFailure> StartRegistrations() { return StartRegistrations(RegistrarStarter()); }

std::wstring DescribeFailure(const StartFailure& failure) {
  wchar_t* reason = nullptr;
  DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, failure.error, 0, reinterpret_cast<wchar_t*>(&reason), 0, nullptr);
  std::wstring why;
  if (n && reason) why.assign(reason, n);
  if (reason) LocalFree(reason);
  while (!why.empty() && (why.back() == L'\n' || why.back() == L'\r' || why.back() == L' ')) {
    why.pop_back();
  }
  if (why.empty()) why = L"Unknown error";
  return L"The command could not be started:\r\n\r\n" + failure.command + L"\r\n\r\n" + why +
         L" (error " + std::to_wstring(failure.error) + L")";
}

}  // namespace zelreg
