// Trace lines reach the process's debug output, with the failing call and its code.
#include <gtest/gtest.h>

#include <cstdint>

#include "support/debug_output.h"
#include "win32/trace.h"

namespace {

TEST(Trace, WritesTheCallAndItsCodeToTheDebugOutputAndKeepsTheLastError) {
  zeltest::DebugOutputCapture capture;
  SetLastError(ERROR_ACCESS_DENIED);
  zel::TraceError(L"CreateFileW(guide.htm)", ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
  zel::TraceLastError(L"OpenMutexW(x)");
  zel::TraceHresult(L"CoCreateInstance(player)", REGDB_E_CLASSNOTREG);
  ASSERT_EQ(capture.Lines().size(), 3u);
  EXPECT_EQ(capture.Lines()[0].rfind(L"Zelvano: CreateFileW(guide.htm) failed: error 2", 0), 0u)
      << capture.Lines()[0];
  EXPECT_EQ(capture.Lines()[0].back(), L'\n');
  EXPECT_NE(capture.Find({L"OpenMutexW(x) failed: error 5"}), L"");
  EXPECT_NE(capture.Find({L"CoCreateInstance(player) failed: HRESULT 0x80040154"}), L"");
}

// The numbers of trace lines and addresses, at the edges of their ranges.
TEST(Trace, WritesNumbersInDecimalAndInEightHexDigits) {
  EXPECT_EQ(zel::DecimalText(0), L"0");
  EXPECT_EQ(zel::DecimalText(1234567890), L"1234567890");
  EXPECT_EQ(zel::DecimalText(-42), L"-42");
  EXPECT_EQ(zel::DecimalText(INT64_MIN), L"-9223372036854775808");
  EXPECT_EQ(zel::DecimalText(0xFFFFFFFFu), L"4294967295");
  EXPECT_EQ(zel::HexText(0), L"0x00000000");
  EXPECT_EQ(zel::HexText(0x1A2B), L"0x00001A2B");
  EXPECT_EQ(zel::HexText(0x8007000E), L"0x8007000E");
  EXPECT_EQ(zel::HexText(0xFFFFFFFF), L"0xFFFFFFFF");
}

}  // namespace
