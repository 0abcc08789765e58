// Zelreg.exe as a real process. The stand-in registration command is planted as Regsvr32.exe in
// the system directory of the test prefix (the real one is put aside and restored) and records
// each start in regsvr32_standin.log beside itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "support/child_process.h"
#include "support/window_list.h"

namespace {

constexpr wchar_t kFirst[] = L"Regsvr32.exe   /s  TABCTL32.OCX";
constexpr wchar_t kSecond[] = L"Regsvr32.exe   /s  mscomctl.ocx";
constexpr wchar_t kLogName[] = L"regsvr32_standin.log";
constexpr wchar_t kFailFlagName[] = L"regsvr32_standin.fail";
constexpr wchar_t kWineOverrides[] = L"Software\\Wine\\DllOverrides";

bool Exists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::wstring TestFolder() {
  wchar_t path[MAX_PATH * 2];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  std::wstring s(path, n);
  return s.substr(0, s.find_last_of(L'\\') + 1);
}

std::wstring FullPath(const std::wstring& path) {
  wchar_t out[MAX_PATH * 2];
  DWORD n = GetFullPathNameW(path.c_str(), MAX_PATH * 2, out, nullptr);
  return std::wstring(out, n);
}

std::wstring ZelregExe() { return FullPath(TestFolder() + ZELREG_RELATIVE_PATH); }
std::wstring StandinExe() { return TestFolder() + L"regsvr32_standin.exe"; }

std::wstring SystemFolder() {
  wchar_t dir[MAX_PATH];
  UINT n = GetSystemDirectoryW(dir, MAX_PATH);
  return std::wstring(dir, n) + L"\\";
}

bool WaitUntil(const std::function<bool()>& done, int ms = 10000) {
  auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

std::wstring FromUtf8(const std::string& s) {
  int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(n, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

struct Record {
  int show = -1;
  unsigned flags = 0;
  std::wstring command;
};

std::vector<Record> ReadRecords(const std::wstring& log) {
  std::vector<Record> records;
  std::ifstream in(std::filesystem::path(log), std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    Record r;
    fields >> r.show >> r.flags;
    fields.get();  // the blank before the command line
    std::string rest;
    std::getline(fields, rest);
    r.command = FromUtf8(rest);
    records.push_back(r);
  }
  return records;
}

size_t CountCommand(const std::vector<Record>& records, const wchar_t* command) {
  return std::count_if(records.begin(), records.end(),
                       [&](const Record& r) { return r.command == command; });
}

using zeltest::ClassName;
using zeltest::WindowText;

// Top-level windows of process `pid` that pass `match`.
std::vector<HWND> WindowsOf(DWORD pid, const std::function<bool(HWND)>& match) {
  std::vector<HWND> found;
  for (HWND hwnd : zeltest::TopLevelWindowsOf(pid))
    if (match(hwnd)) found.push_back(hwnd);
  return found;
}

std::wstring ChildTexts(HWND parent) {
  std::wstring all;
  for (HWND child : zeltest::ChildWindows(parent)) all += WindowText(child) + L"\n";
  return all;
}

// One run of a Zelreg.exe; ended by force only if a test left it running.
class ZelregProcess {
 public:
  ZelregProcess(const std::wstring& exe, const std::wstring& folder) {
    process_.Start(exe, folder);
  }

  bool started() const { return process_.Started(); }
  bool Running() const { return process_.Running(); }
  bool WaitExit(DWORD ms = 10000) const { return process_.WaitExit(ms); }
  DWORD ExitCode() const { return process_.ExitCode(); }
  // The visible top-level window captioned "Zelreg", once it is up.
  HWND WaitForForm() const {
    HWND form = nullptr;
    WaitUntil([&] {
      auto found = WindowsOf(process_.Id(), [](HWND h) {
        return IsWindowVisible(h) && WindowText(h) == L"Zelreg" && ClassName(h) != L"#32770";
      });
      form = found.empty() ? nullptr : found.front();
      return form != nullptr;
    });
    return form;
  }
  std::vector<HWND> VisibleWindows() const {
    return WindowsOf(process_.Id(), [](HWND h) { return IsWindowVisible(h) != FALSE; });
  }
  std::vector<HWND> MessageBoxes() const {
    return WindowsOf(process_.Id(),
                     [](HWND h) { return IsWindowVisible(h) && ClassName(h) == L"#32770"; });
  }

 private:
  zeltest::ChildProcess process_;
};

class ZelregTest : public testing::Test {
 protected:
  void SetUp() override {
    // A run that died mid-test left the real registrar aside: put it back first.
    if (Exists(backup_))
      MoveFileExW(backup_.c_str(), registrar_.c_str(), MOVEFILE_REPLACE_EXISTING);
    ASSERT_TRUE(MoveFileW(registrar_.c_str(), backup_.c_str())) << GetLastError();
    ASSERT_TRUE(CopyFileW(StandinExe().c_str(), registrar_.c_str(), FALSE)) << GetLastError();
    DeleteFileW(log_.c_str());
    DeleteFileW(fail_flag_.c_str());
    // Wine prefers its own built-in registrar to a program file in the system directory; the
    // planted program must be the one that runs. Wine reads this per process at start-up.
    ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, kWineOverrides, L"regsvr32.exe", REG_SZ, L"native",
                              sizeof(L"native")),
              ERROR_SUCCESS);
  }

  void TearDown() override {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kWineOverrides, L"regsvr32.exe");
    // A stand-in may still be finishing: retry until its file can go.
    WaitUntil([&] { return DeleteFileW(registrar_.c_str()) || !Exists(registrar_); }, 5000);
    EXPECT_TRUE(MoveFileW(backup_.c_str(), registrar_.c_str())) << GetLastError();
    DeleteFileW(log_.c_str());
    DeleteFileW(fail_flag_.c_str());
  }

  std::vector<Record> Records() const { return ReadRecords(log_); }
  bool WaitForRecords(size_t n) const {
    return WaitUntil([&] { return Records().size() >= n; });
  }

  // One ordinary run: the window comes up with its caption and size, both commands arrive,
  // the window stays open, then closing it ends the program normally.
  void RunAndClose(size_t records_before) {
    ZelregProcess tool(ZelregExe(), TestFolder());
    ASSERT_TRUE(tool.started());
    HWND form = tool.WaitForForm();
    ASSERT_TRUE(form);
    RECT client{};
    GetClientRect(form, &client);
    HDC screen = GetDC(nullptr);
    int width = MulDiv(4680, GetDeviceCaps(screen, LOGPIXELSX), 1440);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(client.right - client.left, width);
    EXPECT_EQ(client.bottom - client.top, 0);
    LONG style = GetWindowLongW(form, GWL_STYLE);
    EXPECT_EQ(style & WS_OVERLAPPEDWINDOW, static_cast<LONG>(WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(GetWindow(form, GW_CHILD), nullptr);
    EXPECT_EQ(GetMenu(form), nullptr);

    ASSERT_TRUE(WaitForRecords(records_before + 2));
    Sleep(500);
    EXPECT_TRUE(tool.Running());
    EXPECT_TRUE(IsWindow(form) && IsWindowVisible(form));

    PostMessageW(form, WM_CLOSE, 0, 0);
    ASSERT_TRUE(tool.WaitExit());
    EXPECT_EQ(tool.ExitCode(), 0u);
  }

  // The name as the system ships it, so that the restored file keeps it.
  const std::wstring registrar_ = SystemFolder() + L"regsvr32.exe";
  const std::wstring backup_ = SystemFolder() + L"regsvr32.exe.zelreg-test-backup";
  const std::wstring log_ = SystemFolder() + kLogName;
  const std::wstring fail_flag_ = SystemFolder() + kFailFlagName;
};

void ExpectEachCommandStartedMinimised(const std::vector<Record>& records, size_t times) {
  ASSERT_EQ(records.size(), 2 * times);
  EXPECT_EQ(CountCommand(records, kFirst), times);
  EXPECT_EQ(CountCommand(records, kSecond), times);
  for (const Record& r : records) {
    EXPECT_EQ(r.show, SW_SHOWMINIMIZED) << r.command;
    EXPECT_TRUE(r.flags & STARTF_USESHOWWINDOW) << r.command;
  }
}

TEST_F(ZelregTest, StartsBothCommandsMinimisedAndStaysOpen) {
  RunAndClose(0);
  ExpectEachCommandStartedMinimised(Records(), 1);
}

TEST_F(ZelregTest, EveryRunStartsBothCommandsAgain) {
  RunAndClose(0);
  RunAndClose(2);
  ExpectEachCommandStartedMinimised(Records(), 2);
}

TEST_F(ZelregTest, FailingRegistrationChangesNothing) {
  std::ofstream(std::filesystem::path(fail_flag_)).put('x');
  RunAndClose(0);
  ExpectEachCommandStartedMinimised(Records(), 1);
}

TEST_F(ZelregTest, RegistrarBesideTheToolDoesNotRunInstead) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder =
      std::wstring(temp) + L"zelreg-beside-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
  ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
  ASSERT_TRUE(CopyFileW(ZelregExe().c_str(), (folder + L"Zelreg.exe").c_str(), FALSE));
  ASSERT_TRUE(CopyFileW(StandinExe().c_str(), (folder + L"Regsvr32.exe").c_str(), FALSE));
  {
    // Started from its own folder, which is also the current one.
    ZelregProcess tool(folder + L"Zelreg.exe", folder);
    ASSERT_TRUE(tool.started());
    HWND form = tool.WaitForForm();
    ASSERT_TRUE(form);
    ASSERT_TRUE(WaitForRecords(2));
    Sleep(300);
    EXPECT_FALSE(Exists(folder + kLogName));
    PostMessageW(form, WM_CLOSE, 0, 0);
    EXPECT_TRUE(tool.WaitExit());
  }
  ExpectEachCommandStartedMinimised(Records(), 1);
  for (const wchar_t* name : {L"Zelreg.exe", L"Regsvr32.exe", kLogName}) {
    DeleteFileW((folder + name).c_str());
  }
  RemoveDirectoryW(folder.c_str());
}

TEST_F(ZelregTest, UnstartableCommandIsReportedAndEndsTheTool) {
  // No registrar at all in the system directory.
  ASSERT_TRUE(DeleteFileW(registrar_.c_str()));
  ZelregProcess tool(ZelregExe(), TestFolder());
  ASSERT_TRUE(tool.started());

  HWND box = nullptr;
  ASSERT_TRUE(WaitUntil([&] {
    auto boxes = tool.MessageBoxes();
    box = boxes.empty() ? nullptr : boxes.front();
    return box != nullptr;
  }));
  std::wstring text = ChildTexts(box);
  EXPECT_NE(text.find(kFirst), std::wstring::npos) << text;
  EXPECT_EQ(text.find(kSecond), std::wstring::npos) << text;
  wchar_t reason[512] = {};
  FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                 ERROR_FILE_NOT_FOUND, 0, reason, 512, nullptr);
  std::wstring first_line(reason);
  first_line = first_line.substr(0, first_line.find_first_of(L"\r\n"));
  EXPECT_NE(text.find(first_line), std::wstring::npos) << text;
  // The report is the only thing shown: the form never appears.
  EXPECT_EQ(tool.VisibleWindows(), std::vector<HWND>{box});

  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(box, IDOK)));
  ASSERT_TRUE(tool.WaitExit());
  EXPECT_NE(tool.ExitCode(), 0u);
  EXPECT_TRUE(Records().empty());
}

}  // namespace
