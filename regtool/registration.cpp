#include "regtool/registration.h"

#include "win32/process_start.h"
#include "win32/trace.h"
#include "win32/unique_handle.h"

namespace zelreg {

// Never the bare name: the system would look for it in the current folder first.
std::wstring RegistrarPath(SystemDirectoryFunction system_directory) {
  return zel::PathInSystemFolder(system_directory, L"Regsvr32.exe");
}

DWORD StartMinimized(const std::wstring& registrar, const wchar_t* command_line) {
  return zel::StartProcess(registrar, command_line, SW_SHOWMINIMIZED);
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
  const zel::UniqueLocal owned(reason);
  std::wstring why;
  if (n && reason) why.assign(reason, n);
  while (!why.empty() && (why.back() == L'\n' || why.back() == L'\r' || why.back() == L' ')) {
    why.pop_back();
  }
  if (why.empty()) why = L"Unknown error";
  return L"The command could not be started:\r\n\r\n" + failure.command + L"\r\n\r\n" + why +
         L" (error " + zel::DecimalText(failure.error) + L")";
}

}  // namespace zelreg
