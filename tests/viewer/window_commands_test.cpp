// The bar that narrows and widens the main window, and the site link.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layout_support.h"
#include "support/test_ports.h"
#include "viewer/process_launcher.h"
#include "viewer/zel_config.h"

namespace layout_test {
namespace {

// Clicks the bar where the user would: on whichever arrow is on top there.
HWND ClickBar(frmMain& form) {
  POINT bar{156, 180};
  ClientToScreen(form.picMain.hwnd(), &bar);
  HWND hit = WindowFromPoint(bar);
  POINT local = bar;
  ScreenToClient(hit, &local);
  SendMessageW(hit, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(local.x, local.y));
  SendMessageW(hit, WM_LBUTTONUP, 0, MAKELPARAM(local.x, local.y));
  Settle(2);
  return hit;
}

bool Shown(const zel::Image& image) { return image.Visible() && IsWindowVisible(image.hwnd()); }

TEST_F(MainWindow, WidenNarrowWidenAlternatesWidthAndArrow) {
  ShowAndSettle();
  const RECT start = OuterRect(form);

  // Both arrows show at start; the narrowing one is on top.
  EXPECT_TRUE(Shown(form.Image1));
  EXPECT_TRUE(Shown(form.Image2));
  EXPECT_EQ(ClickBar(form), form.Image2.hwnd());
  EXPECT_FLOAT_EQ(form.Width(), 8400);
  RECT r = OuterRect(form);
  EXPECT_EQ(r.right - r.left, 560);
  EXPECT_TRUE(Shown(form.Image1));
  EXPECT_FALSE(Shown(form.Image2));

  EXPECT_EQ(ClickBar(form), form.Image1.hwnd());
  EXPECT_FLOAT_EQ(form.Width(), 11260);
  r = OuterRect(form);
  EXPECT_EQ(r.right - r.left, 751);
  EXPECT_TRUE(Shown(form.Image2));
  EXPECT_FALSE(Shown(form.Image1));

  EXPECT_EQ(ClickBar(form), form.Image2.hwnd());
  EXPECT_FLOAT_EQ(form.Width(), 8400);
  r = OuterRect(form);
  EXPECT_EQ(r.left, start.left);
  EXPECT_EQ(r.top, start.top);
  EXPECT_EQ(r.bottom, start.bottom);
  EXPECT_FLOAT_EQ(form.ScaleHeight(), 5445);
}

TEST_F(MainWindow, ResizeRunsBeforeTheArrowsSwap) {
  ShowAndSettle();
  std::vector<std::pair<bool, bool>> seen;  // Image1, Image2 visible during Form_Resize
  form.WebBrowser1.SetRefreshAction([&] {
    seen.emplace_back(form.Image1.Visible(), form.Image2.Visible());
    return true;
  });
  form.Image2_Click();
  form.Image1_Click();
  ASSERT_EQ(seen.size(), 2u);
  EXPECT_EQ(seen[0], std::make_pair(true, true));   // before the narrowing swap
  EXPECT_EQ(seen[1], std::make_pair(true, false));  // before the widening swap
}

TEST_F(MainWindow, WideningAWideWindowChangesOnlyTheArrow) {
  ShowAndSettle();
  form.Image1_Click();
  const RECT wide = OuterRect(form);
  int resizes = 0;
  form.WebBrowser1.SetRefreshAction([&] { return ++resizes > 0; });
  form.Image2.SetVisible(false);
  form.Image1.SetVisible(true);
  form.Image1_Click();
  const RECT after = OuterRect(form);
  EXPECT_TRUE(EqualRect(&wide, &after));
  EXPECT_FLOAT_EQ(form.Width(), 11260);
  EXPECT_EQ(resizes, 0);
  EXPECT_TRUE(Shown(form.Image2));
  EXPECT_FALSE(Shown(form.Image1));
}

TEST_F(MainWindow, MinimisedWindowKeepsItsWidthAndArrow) {
  ShowAndSettle();
  const RECT start = OuterRect(form);
  ShowWindow(form.hwnd(), SW_MINIMIZE);
  Settle();
  ASSERT_TRUE(IsIconic(form.hwnd()));
  form.Image2_Click();
  EXPECT_TRUE(form.Image2.Visible());
  EXPECT_TRUE(form.Image1.Visible());
  ShowWindow(form.hwnd(), SW_RESTORE);
  Settle();
  const RECT r = OuterRect(form);
  EXPECT_EQ(r.right - r.left, start.right - start.left);
}

struct RecordingLauncher : zel::ProcessLauncher {
  bool Start(const std::wstring& command_line, int show) override {
    calls.emplace_back(command_line, show);
    return true;
  }
  std::vector<std::pair<std::wstring, int>> calls;
};

TEST_F(MainWindow, SiteLinkStartsTheShellCommandOncePerClick) {
  ShowAndSettle();
  RecordingLauncher launcher;
  form.SetProcessLauncher(&launcher);
  const std::wstring expected = std::wstring(L"Explorer ") + zel::kSiteHomePage;
  EXPECT_EQ(expected, L"Explorer http://127.0.0.1:" + std::to_wstring(zeltest::kStreamPort) + L"/");
  for (int i = 0; i < 3; ++i) {
    SendMessageW(form.Label1.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(form.Label1.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  ASSERT_EQ(launcher.calls.size(), 3u);
  for (const auto& [command, show] : launcher.calls) {
    EXPECT_EQ(command, expected);
    EXPECT_EQ(show, SW_SHOWMINIMIZED);  // 2: minimised with focus
  }
}

TEST(ShellLauncher, RunsTheShellFromTheWindowsDirectory) {
  wchar_t dir[MAX_PATH] = {};
  GetWindowsDirectoryW(dir, MAX_PATH);
  const std::wstring path = zel::ShellProgramPath();
  EXPECT_EQ(path, std::wstring(dir) + L"\\explorer.exe");
  EXPECT_NE(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace layout_test
