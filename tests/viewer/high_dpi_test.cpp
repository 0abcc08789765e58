// The main window on a 144-DPI screen (150 %), in a Wine prefix of its own whose
// screen has that resolution: the layout, the frame drawn from the 150 % pictures,
// its hit-test zones and buttons, and a screenshot beside the 96-DPI ones.
#include <gtest/gtest.h>

#include <string>

#include "support/message_pump.h"
#include "support/screen_capture.h"
#include "support/wine_path.h"
#include "viewer/picture_scale.h"
#include "viewer/style_presets.h"
#include "viewer_fixture.h"
#include "win32/window_dpi.h"

namespace {

using namespace std::chrono_literals;

// The main window's outer size at 96 DPI with the Frost frame (the design's size).
constexpr SIZE kDesignSize{749, 388};

class HighDpi : public zeltest::StartedViewer {
 protected:
  void SetUp() override {
    ASSERT_EQ(zel::SystemDpi(), 144) << "this program runs in a prefix whose screen has 144 DPI";
    StartedViewer::SetUp();
  }

  RECT Outer() const {
    RECT r{};
    GetWindowRect(form.hwnd(), &r);
    return r;
  }

  // What the frame shows for `style`, cut from the window's pictures as the frame
  // cuts them (close and minimize buttons, not sizable, offset 0); 0 in the client area.
  std::vector<uint32_t> ExpectedFrame(int16_t style, int W, int H) const {
    const FrameDescription f = zel::ScaledFrame(zel::StylePresets()[style].frame, 150);
    const zeltest::Capture cap = zeltest::CaptureBitmap(
        form.picResource(static_cast<int16_t>(2 * style)).Picture().Handle());
    const zeltest::Capture bor = zeltest::CaptureBitmap(
        form.picResource(static_cast<int16_t>(2 * style + 1)).Picture().Handle());
    const int h0 = cap.height, S = bor.height, RW = f.RightEnd - f.ActiveRight + 1;
    const int xRight = std::max(W - RW + 1, RW);
    std::vector<uint32_t> out(static_cast<size_t>(W) * H, 0);
    auto at = [&](int x, int y) -> uint32_t& { return out[static_cast<size_t>(y) * W + x]; };
    for (int y = 0; y < h0; ++y)
      for (int x = 0; x < W; ++x)
        at(x, y) = x < f.LeftEnd ? cap.At(x, y)
                   : x < xRight  ? cap.At(f.ActiveRight, y)
                                 : cap.At(f.ActiveRight + x - xRight, y);
    int bx = W + f.ButtonOffsetX;
    for (int k : {0, 3}) {  // close, then minimize packed left of it
      bx -= f.ButtonWidth + 1;
      for (int y = 0; y < f.ButtonHeight; ++y)
        for (int x = 0; x < f.ButtonWidth; ++x)
          at(bx + x, f.ButtonOffsetY + y) = cap.At(f.RightEnd + k * f.ButtonWidth + x, y);
    }
    for (int y = h0; y < H - S; ++y)
      for (int x = 0; x < S; ++x) {
        at(x, y) = bor.At(x, (y - h0) % S);
        at(W - S + x, y) = bor.At(4 * S + x, (y - h0) % S);
      }
    for (int y = 0; y < S; ++y)
      for (int x = 0; x < W; ++x) {
        const int tile = x < S ? 2 : x >= W - S ? 5 : 3;
        const int column = x < S ? x : x >= W - S ? x - (W - S) : x % S;
        at(x, H - S + y) = bor.At(tile * S + column, y);
      }
    return out;
  }

  // Frame pixels on the screen that differ from the expected ones.
  int WrongFramePixels(int16_t style) {
    RedrawWindow(form.hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    zeltest::PumpMessages(200ms);
    const zeltest::Capture shown = zeltest::CaptureWindow(form.hwnd());
    const std::vector<uint32_t> expected = ExpectedFrame(style, shown.width, shown.height);
    RECT client{};
    GetClientRect(form.hwnd(), &client);
    MapWindowPoints(form.hwnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT outer = Outer();
    OffsetRect(&client, -outer.left, -outer.top);
    int wrong = 0;
    for (int y = 0; y < shown.height; ++y)
      for (int x = 0; x < shown.width; ++x)
        if (!PtInRect(&client, POINT{x, y}))
          wrong += shown.At(x, y) != expected[static_cast<size_t>(y) * shown.width + x];
    return wrong;
  }

  int32_t HitTestAt(int x, int y) {
    const RECT r = Outer();
    SetCursorPos(r.left + x, r.top + y);  // where a following button release happens
    zeltest::PumpMessages(20ms);
    return static_cast<int32_t>(
        SendMessageW(form.hwnd(), WM_NCHITTEST, 0, MAKELPARAM(r.left + x, r.top + y)));
  }
};

TEST_F(HighDpi, WindowIsItsDesignSizeScaledByOneAndAHalf) {
  EXPECT_EQ(form.FormDpi().Dots(), 144);
  EXPECT_EQ(form.PictureScale(), 150);
  const RECT r = Outer();
  EXPECT_NEAR(r.right - r.left, kDesignSize.cx * 3 / 2, 2);
  EXPECT_NEAR(r.bottom - r.top, kDesignSize.cy * 3 / 2, 2);
  // The tree's font is the design's 9 points at 144 DPI.
  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form.TreeView1.hwnd(), WM_GETFONT, 0, 0)),
             sizeof(lf), &lf);
  EXPECT_EQ(lf.lfHeight, -18);

  const std::wstring dir = zeltest::WinePath(ZEL_SCREENSHOT_DIR);
  CreateDirectoryW(dir.c_str(), nullptr);
  EXPECT_TRUE(zeltest::SavePng(dir + L"\\main_design_144dpi.png", zeltest::CaptureScreen(r)));
}

TEST_F(HighDpi, FrameIsCutFromTheOneAndAHalfPictures) {
  for (int16_t option : {0, 6}) {  // Frost (style 2) and Hybrid (style 6)
    form.optStyle(option).SetValue(true);
    zeltest::PumpMessages(100ms);
    const int16_t style = *zel::StyleForOption(option);
    const FrameDescription f = zel::ScaledFrame(zel::StylePresets()[style].frame, 150);
    const zel::Picture caption = form.Skin()->p_Caption();
    EXPECT_EQ(caption.Width(), f.RightEnd + 4 * f.ButtonWidth) << style;
    EXPECT_EQ(caption.Height(), 2 * f.ButtonHeight) << style;
    EXPECT_EQ(form.Skin()->p_Description(), f);

    SendMessageW(form.hwnd(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_EQ(WrongFramePixels(style), 0) << "active, style " << style;
    SendMessageW(form.hwnd(), WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ(WrongFramePixels(style), 0) << "inactive, style " << style;
  }
}

TEST_F(HighDpi, CaptionZoneAndButtonsAreAtTheScaledPlaces) {
  // Frost: borders of 9 (B = 8); the caption zone ends C + B rows down.
  const int C = zel::SystemMetricForDpi(SM_CYCAPTION, 144);
  const RECT r = Outer();
  const int W = r.right - r.left;
  EXPECT_EQ(HitTestAt(W / 2, 8), HTCLIENT);  // the top band, of a window not sizable
  EXPECT_EQ(HitTestAt(W / 2, 9), HTCAPTION);
  EXPECT_EQ(HitTestAt(W / 2, C + 8), HTCAPTION);
  EXPECT_EQ(HitTestAt(W / 2, C + 9), HTCLIENT);
  EXPECT_EQ(HitTestAt(C, 20), HTSYSMENU);
  EXPECT_EQ(HitTestAt(C + 1, 20), HTCAPTION);
  EXPECT_NEAR(C + 8, 36, 1);  // 24 rows at 96 DPI

  // The minimize button is 48 wide at 9 rows down, left of the close button, 12
  // from the right edge: a release there minimizes the window.
  const int x = W - 12 - 49 - 49 + 24, y = 9 + 12;
  SendMessageW(form.hwnd(), WM_NCACTIVATE, TRUE, 0);
  HitTestAt(x, y);
  SendMessageW(form.hwnd(), WM_NCLBUTTONUP, HTCAPTION, MAKELPARAM(r.left + x, r.top + y));
  zeltest::PumpMessages(300ms);
  EXPECT_TRUE(IsIconic(form.hwnd()));
  ShowWindow(form.hwnd(), SW_RESTORE);
}

}  // namespace
