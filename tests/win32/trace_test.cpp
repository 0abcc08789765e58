// Trace lines reach the process's debug output, with the failing call and its code.
#include <gtest/gtest.h>

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

}  // namespace
