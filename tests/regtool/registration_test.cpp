// The start sequence with a recording starter: which commands are tried, in which order, and
// what a failure reports.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "regtool/registration.h"

namespace {

using zelreg::StartRegistrations;

constexpr wchar_t kFirst[] = L"Regsvr32.exe   /s  TABCTL32.OCX";
constexpr wchar_t kSecond[] = L"Regsvr32.exe   /s  mscomctl.ocx";

// Records every start and fails the start numbered `fail_at` (1-based) with `error`.
struct RecordingStarter {
  std::vector<std::wstring> started;
  size_t fail_at = 0;
  DWORD error = 0;
  zelreg::CommandStarter Get() {
    return [this](const wchar_t* command) -> DWORD {
      started.emplace_back(command);
      return started.size() == fail_at ? error : 0;
    };
  }
};

TEST(RegistrationSequence, StartsBothExactCommandsInOrder) {
  RecordingStarter s;
  EXPECT_FALSE(StartRegistrations(s.Get()).has_value());
  EXPECT_EQ(s.started, (std::vector<std::wstring>{kFirst, kSecond}));
  EXPECT_EQ(std::wstring(kFirst).size(), 31u);
  EXPECT_EQ(std::wstring(kSecond).size(), 31u);
}

TEST(RegistrationSequence, FirstFailureStopsBeforeTheSecond) {
  RecordingStarter s{{}, 1, ERROR_FILE_NOT_FOUND};
  auto failure = StartRegistrations(s.Get());
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->command, kFirst);
  EXPECT_EQ(failure->error, static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(s.started, (std::vector<std::wstring>{kFirst}));
}

TEST(RegistrationSequence, SecondFailureNamesTheSecondCommand) {
  RecordingStarter s{{}, 2, ERROR_ACCESS_DENIED};
  auto failure = StartRegistrations(s.Get());
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->command, kSecond);
  EXPECT_EQ(failure->error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
  EXPECT_EQ(s.started.size(), 2u);
}

TEST(RegistrationSequence, ReportNamesCommandAndSystemReason) {
  std::wstring text = zelreg::DescribeFailure({kSecond, ERROR_BAD_EXE_FORMAT});
  EXPECT_NE(text.find(kSecond), std::wstring::npos) << text;
  wchar_t reason[512] = {};
  ASSERT_GT(FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                           ERROR_BAD_EXE_FORMAT, 0, reason, 512, nullptr),
            0u);
  std::wstring first_line(reason);
  first_line = first_line.substr(0, first_line.find_first_of(L"\r\n"));
  EXPECT_NE(text.find(first_line), std::wstring::npos) << text;
  EXPECT_NE(text.find(L"193"), std::wstring::npos) << text;
}

UINT WINAPI NoSystemDirectory(LPWSTR, UINT) {
  SetLastError(ERROR_ACCESS_DENIED);
  return 0;
}

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH * 2];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH * 2);
  const std::wstring s(path, n);
  return s.substr(0, s.find_last_of(L'\\') + 1);
}

// A Regsvr32.exe planted in the current folder (the stand-in, which logs each start
// beside itself) must not run when the system directory cannot be read.
TEST(RegistrationStart, WithoutTheSystemDirectoryNothingStartsAndTheFirstCommandFails) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"zelreg_planted\\";
  const std::wstring log = folder + L"regsvr32_standin.log";
  CreateDirectoryW(folder.c_str(), nullptr);
  DeleteFileW(log.c_str());
  ASSERT_TRUE(CopyFileW((OwnFolder() + L"regsvr32_standin.exe").c_str(),
                        (folder + L"Regsvr32.exe").c_str(), FALSE));
  wchar_t previous[MAX_PATH];
  GetCurrentDirectoryW(MAX_PATH, previous);
  SetCurrentDirectoryW(folder.c_str());

  auto failure = StartRegistrations(zelreg::RegistrarStarter(&NoSystemDirectory));
  Sleep(1000);  // a planted program that had started would have logged by now
  SetCurrentDirectoryW(previous);
  ASSERT_TRUE(failure.has_value());
  EXPECT_EQ(failure->command, kFirst);
  EXPECT_EQ(failure->error, static_cast<DWORD>(ERROR_PATH_NOT_FOUND));
  EXPECT_EQ(GetFileAttributesW(log.c_str()), INVALID_FILE_ATTRIBUTES) << "the planted program ran";
  DeleteFileW(log.c_str());
  DeleteFileW((folder + L"Regsvr32.exe").c_str());
  RemoveDirectoryW(folder.c_str());
}

TEST(RegistrationStart, MissingRegistrarReportsTheSystemError) {
  wchar_t dir[MAX_PATH];
  UINT n = GetSystemDirectoryW(dir, MAX_PATH);
  std::wstring path = zelreg::RegistrarPath();
  EXPECT_EQ(path, std::wstring(dir, n) + L"\\Regsvr32.exe");
  EXPECT_EQ(zelreg::StartMinimized(std::wstring(dir, n) + L"\\no-such-registrar.exe", kFirst),
            static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
