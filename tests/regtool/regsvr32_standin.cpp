// Stand-in for the system's registration command. It records how it was started, one line
// per start, in regsvr32_standin.log beside itself:
//   <wShowWindow> <dwFlags> <command line>
// and exits with code 5 instead of 0 when regsvr32_standin.fail lies beside it.
#include <windows.h>

#include <string>

namespace {

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH * 2];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  std::wstring s(path, n);
  return s.substr(0, s.find_last_of(L'\\') + 1);
}

std::string ToUtf8(const std::wstring& w) {
  int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr,
                              nullptr);
  std::string s(n, '\0');
  WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr,
                      nullptr);
  return s;
}

// Both commands run at once: the log is opened exclusively, retrying while the other holds it.
void AppendRecord(const std::wstring& log, const std::string& line) {
  for (int attempt = 0; attempt < 500; ++attempt) {
    HANDLE f = CreateFileW(log.c_str(), FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(f, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
      CloseHandle(f);
      return;
    }
    Sleep(10);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  GetStartupInfoW(&si);
  const std::wstring folder = OwnFolder();
  std::wstring record = std::to_wstring(si.wShowWindow) + L" " + std::to_wstring(si.dwFlags) +
                        L" " + GetCommandLineW() + L"\n";
  AppendRecord(folder + L"regsvr32_standin.log", ToUtf8(record));
  bool fail =
      GetFileAttributesW((folder + L"regsvr32_standin.fail").c_str()) != INVALID_FILE_ATTRIBUTES;
  return fail ? 5 : 0;
}
