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

TEST(RegistrationStart, MissingRegistrarReportsTheSystemError) {
  wchar_t dir[MAX_PATH];
  UINT n = GetSystemDirectoryW(dir, MAX_PATH);
  std::wstring path = zelreg::RegistrarPath();
  EXPECT_EQ(path, std::wstring(dir, n) + L"\\Regsvr32.exe");
  EXPECT_EQ(zelreg::StartMinimized(std::wstring(dir, n) + L"\\no-such-registrar.exe", kFirst),
            static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

}  // namespace
