// Screenshots of the main window at its design width and at the narrow width,
// with the channel tree filled, written to <build>/screenshots/.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "layout_support.h"
#include "support/screen_capture.h"
#include "support/wine_path.h"
#include "viewer/catalogue.h"

namespace layout_test {
namespace {

using zeltest::Capture;
using zeltest::CaptureScreen;
using zeltest::SavePng;

std::wstring ScreenshotDir() {
  const std::wstring dir = zeltest::WinePath(ZEL_SCREENSHOT_DIR);
  CreateDirectoryW(dir.c_str(), nullptr);
  return dir;
}

// How many pixels of a client rectangle of `hwnd` differ from the most common colour there.
int InkIn(const Capture& c, const RECT& window, HWND hwnd, RECT area) {
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&area), 2);
  OffsetRect(&area, -window.left, -window.top);
  const uint32_t background = c.At(area.right - 2, area.bottom - 2);
  int ink = 0;
  for (int y = std::max(0L, area.top); y < std::min<LONG>(c.height, area.bottom); ++y)
    for (int x = std::max(0L, area.left); x < std::min<LONG>(c.width, area.right); ++x)
      if (c.At(x, y) != background) ++ink;
  return ink;
}

TEST_F(MainWindow, ScreenshotsAtDesignAndNarrowWidth) {
  zel::FillChannelTree(form.TreeView1);
  ShowAndSettle();
  Settle(20);

  RECT window = OuterRect(form);
  const Capture design = CaptureScreen(window);
  ASSERT_TRUE(SavePng(ScreenshotDir() + L"\\main_design.png", design));
  // The tree shows its channel names: text in its first rows.
  EXPECT_GT(InkIn(design, window, form.TreeView1.hwnd(), {20, 2, 150, 60}), 100);
  // The bar's arrow is on screen at mid-height of the bar.
  POINT arrow{156, 168};
  ClientToScreen(form.picMain.hwnd(), &arrow);
  const uint32_t arrow_pixel = design.At(arrow.x - window.left, arrow.y - window.top);
  EXPECT_GT(arrow_pixel & 0xFF, ((arrow_pixel >> 16) & 0xFF) + 40) << std::hex << arrow_pixel;
  // The site link in green on the player.
  EXPECT_GT(InkIn(design, window, form.Label1.hwnd(), {0, 0, 41, 17}), 10);

  form.Image2_Click();
  Settle(20);
  window = OuterRect(form);
  const Capture narrow = CaptureScreen(window);
  ASSERT_TRUE(SavePng(ScreenshotDir() + L"\\main_narrow.png", narrow));
  EXPECT_EQ(narrow.width, 560);

  // Taller, the style chooser and the scriptlet below the design height come into view.
  ASSERT_EQ(form.SetHeight(12750), zel::Outcome::kDone);
  SetWindowPos(form.hwnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);  // all on screen
  Settle(20);
  window = OuterRect(form);
  const Capture tall = CaptureScreen(window);
  ASSERT_TRUE(SavePng(ScreenshotDir() + L"\\main_tall.png", tall));
  EXPECT_GT(InkIn(tall, window, form.optStyle(5).hwnd(), {16, 0, 81, 15}), 20);
}

}  // namespace
}  // namespace layout_test
