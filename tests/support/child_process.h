// A program started by a test; ended by force only if the test left it running.
#pragma once

#include <windows.h>

#include <string>

namespace zeltest {

class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts `exe` with its quoted name as the command line, in `folder` if given.
  bool Start(const std::wstring& exe, const std::wstring& folder = {});
  bool Started() const { return info_.hProcess != nullptr; }
  bool Running() const;
  // True when it has ended within `ms`.
  bool WaitExit(DWORD ms = 15000) const;
  DWORD ExitCode() const;
  DWORD Id() const { return info_.dwProcessId; }

 private:
  PROCESS_INFORMATION info_{};
};

}  // namespace zeltest
