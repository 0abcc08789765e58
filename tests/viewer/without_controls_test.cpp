// The viewer where the hosted controls' library cannot be loaded: it starts all
// the same, and the failing call is left in the debug output. Runs as a CTest
// entry of its own, so that atl.dll has not been loaded earlier in the process.
#include <gtest/gtest.h>

#include <string>

#include "support/debug_output.h"
#include "viewer/frm_main.h"
#include "win32/system_library.h"

namespace {

HMODULE WINAPI LoaderWithoutAtl(LPCWSTR name, HANDLE file, DWORD flags) {
  if (std::wstring(name).find(L"atl.dll") != std::wstring::npos) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  return LoadLibraryExW(name, file, flags);
}

TEST(ViewerWithoutAtl, StartsWithoutItsHostedControlsAndTracesTheFailedLoad) {
  zeltest::DebugOutputCapture capture;
  zel::Loader().loadLibraryEx = &LoaderWithoutAtl;
  frmMain form;
  const bool created = form.Create();
  if (created) {
    form.Form_Load();
    form.Show();
  }
  zel::ResetLoaderCalls();
  ASSERT_TRUE(created);
  EXPECT_TRUE(IsWindowVisible(form.hwnd()));
  EXPECT_EQ(SendMessageW(form.TreeView1.hwnd(), TVM_GETCOUNT, 0, 0), 185);
  EXPECT_EQ(form.wmp1.hwnd(), nullptr);
  EXPECT_EQ(form.WebBrowser1.hwnd(), nullptr);
  EXPECT_NE(capture.Find({L"Zelvano: LoadLibraryExW(atl.dll)", L"failed: error 126"}), L"");
  EXPECT_NE(capture.Find({L"Zelvano: frmMain: wmp1 was not made"}), L"");
}

}  // namespace
