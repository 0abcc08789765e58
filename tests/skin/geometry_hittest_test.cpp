// Non-client geometry, and hit-testing for the point each message asks about.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>

#include "skin_test_support.h"

namespace skin_test {
namespace {

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

RECT Inset(const Skin& skin, int width, int height) {
  const RECT i = skin.Insets();
  return RECT{i.left, i.top, width - i.right, height - i.bottom};
}

class Geometry : public ::testing::TestWithParam<Skin> {};

TEST_P(Geometry, ClientAreaIsInsetByTheSkinEdgesAndFollowsResizing) {
  const Skin skin = GetParam();
  TestWindow w(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
  cNeoClass neo;
  skin.ApplyTo(neo);
  neo.Attach(w);
  EXPECT_TRUE(SameRect(w.ClientInWindow(), Inset(skin, 300, 200)));
  SetWindowPos(w.hwnd(), nullptr, 0, 0, 420, 260, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_TRUE(SameRect(w.ClientInWindow(), Inset(skin, 420, 260)));
}

Skin EdgeWidths() {
  Skin s;
  s.leftBorderWidth = 4;
  s.rightBorderWidth = 3;
  return s;
}
Skin InactiveRow() {
  Skin s;
  s.borderHasInactive = true;  // the borders picture is 12 high, the tile 6
  return s;
}
Skin TallTile() {
  Skin s;
  s.tile = 11;
  s.captionHeight = 40;
  return s;
}
INSTANTIATE_TEST_SUITE_P(Skins, Geometry,
                         ::testing::Values(Skin{}, EdgeWidths(), InactiveRow(), TallTile()));

TEST(NcCalcSize, WindowPositionRecordGivesTheNewRectangle) {
  TestWindow w(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
  cNeoClass neo;
  Skin skin = EdgeWidths();
  skin.ApplyTo(neo);
  neo.Attach(w);
  WINDOWPOS pos{w.hwnd(), nullptr, 40, 50, 200, 120, SWP_NOZORDER};
  NCCALCSIZE_PARAMS p{};
  p.rgrc[0] = RECT{1, 2, 3, 4};  // overwritten from the record
  p.rgrc[1] = RECT{5, 6, 7, 8};
  p.rgrc[2] = RECT{9, 10, 11, 12};
  p.lppos = &pos;
  const LRESULT r = SendMessageW(w.hwnd(), WM_NCCALCSIZE, TRUE, reinterpret_cast<LPARAM>(&p));
  EXPECT_EQ(r, WVR_VALIDRECTS);
  const RECT want{40 + 4, 50 + 32, 240 - 3, 170 - 6};
  EXPECT_TRUE(SameRect(p.rgrc[0], want));
  EXPECT_TRUE(SameRect(p.rgrc[1], want));
  EXPECT_TRUE(SameRect(p.rgrc[2], RECT{9, 10, 11, 12}));
  EXPECT_EQ(p.lppos, &pos);
}

TEST(NcCalcSize, WParamZeroAnswersAsTheWindowItself) {
  TestWindow skinned(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
  TestWindow plain(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
  cNeoClass neo;
  Skin{}.ApplyTo(neo);
  neo.Attach(skinned);
  RECT a{100, 100, 400, 300};
  RECT b = a;
  const LRESULT ra = SendMessageW(skinned.hwnd(), WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&a));
  const LRESULT rb = SendMessageW(plain.hwnd(), WM_NCCALCSIZE, 0, reinterpret_cast<LPARAM>(&b));
  EXPECT_EQ(ra, rb);
  EXPECT_TRUE(SameRect(a, b)) << a.left << "," << a.top << "," << a.right << "," << a.bottom
                              << " vs " << b.left << "," << b.top << "," << b.right << ","
                              << b.bottom;
  EXPECT_FALSE(SameRect(a, RECT{106, 132, 394, 294}));  // not the skin's insets
}

// The zones of the frame for a window of size W x H.
struct Zones {
  int L, R, B, T, C, W, H;
  bool sizable;
  int At(int x, int y) const {
    if (x < 0 || y < 0 || x >= W || y >= H) return HTCLIENT;
    int code;
    if (x <= L)
      code = y <= B ? HTTOPLEFT : (y < H - B ? HTLEFT : HTBOTTOMLEFT);
    else if (x >= W - R)
      code = y <= B ? HTTOPRIGHT : (y < H - B ? HTRIGHT : HTBOTTOMRIGHT);
    else if (y <= B)
      code = HTTOP;
    else if (y >= H - B)
      code = HTBOTTOM;
    else if (y > T || y > C + B)
      code = HTCLIENT;
    else
      code = x <= C ? HTSYSMENU : HTCAPTION;
    if (!sizable && code != HTCLIENT && code != HTCAPTION && code != HTSYSMENU) code = HTCLIENT;
    return code;
  }
};

struct HitTestCase {
  bool sizable;
  int X, Y;  // the window's screen position
};

class HitTest : public ::testing::TestWithParam<HitTestCase> {};

// The answer is for the point in the message, not for the cursor, which stays
// parked in the caption; a window left of the screen has negative coordinates,
// as on a monitor left of the primary one.
TEST_P(HitTest, EveryZoneAndBoundaryForTheMessagePoint) {
  const auto [sizable, X, Y] = GetParam();
  const DWORD style = sizable ? WS_OVERLAPPEDWINDOW : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  const int W = 300, H = 200;
  TestWindow w(style | WS_VISIBLE, X, Y, W, H);
  cNeoClass neo;
  Skin skin;  // S 6, caption 32
  skin.ApplyTo(neo);
  neo.Attach(w);
  PumpFor(50);
  ASSERT_EQ(w.WindowRect().left, X);
  const int C = GetSystemMetrics(SM_CYCAPTION);
  const Zones z{6, 5, 5, 32, C, W, H, sizable};
  ASSERT_LT(C + z.B, z.T) << "the test needs rows between C + B and the caption's height";
  const POINT parked{std::max(X + W / 2, 10), std::max(Y + 12, 10)};
  MoveCursor(parked.x, parked.y);

  const int xs[] = {-1,    0,     1,           z.L - 1,     z.L,     z.L + 1,     C - 1, C,
                    C + 1, W / 2, W - z.R - 2, W - z.R - 1, W - z.R, W - z.R + 1, W - 1, W};
  const int ys[] = {-1,          0,           z.B - 1, z.B,         z.B + 1, C + z.B - 1,
                    C + z.B,     C + z.B + 1, z.T - 1, z.T,         z.T + 1, H / 2,
                    H - z.B - 2, H - z.B - 1, H - z.B, H - z.B + 1, H - 1,   H};
  std::set<int> seen;
  for (int y : ys) {
    for (int x : xs) {
      const LRESULT code = SendMessageW(w.hwnd(), WM_NCHITTEST, 0, MAKELPARAM(X + x, Y + y));
      EXPECT_EQ(code, z.At(x, y)) << "at " << x << "," << y;
      seen.insert(static_cast<int>(code));
    }
  }
  if (sizable) {
    EXPECT_EQ(seen.size(), 11u);  // every code the frame produces
  } else {
    EXPECT_EQ(seen, (std::set<int>{HTCLIENT, HTCAPTION, HTSYSMENU}));
  }
  EXPECT_EQ(CursorPos().x, parked.x);
}

INSTANTIATE_TEST_SUITE_P(Windows, HitTest,
                         ::testing::Values(HitTestCase{true, 200, 150},
                                           HitTestCase{false, 200, 150},
                                           HitTestCase{true, -250, -120}));

TEST(HitTestSpots, HandPickedPoints) {
  const int X = 200, Y = 150;
  TestWindow w(WS_OVERLAPPEDWINDOW | WS_VISIBLE, X, Y, 300, 200);
  cNeoClass neo;
  Skin{}.ApplyTo(neo);
  neo.Attach(w);
  const int C = GetSystemMetrics(SM_CYCAPTION);
  MoveCursor(X + 150, Y + 100);  // the client area: the cursor is not asked
  auto at = [&](int x, int y) {
    return SendMessageW(w.hwnd(), WM_NCHITTEST, 0, MAKELPARAM(X + x, Y + y));
  };
  EXPECT_EQ(at(3, 3), HTTOPLEFT);
  EXPECT_EQ(at(150, 3), HTTOP);
  EXPECT_EQ(at(150, 12), HTCAPTION);
  EXPECT_EQ(at(C, 12), HTSYSMENU);
  EXPECT_EQ(at(C + 1, 12), HTCAPTION);
  EXPECT_EQ(at(150, 30), HTCLIENT);  // caption picture, but below C + B
  EXPECT_EQ(at(296, 100), HTRIGHT);
  EXPECT_EQ(at(150, 196), HTBOTTOM);
  EXPECT_EQ(at(298, 198), HTBOTTOMRIGHT);
  EXPECT_EQ(at(400, 100), HTCLIENT);  // outside the window
}

}  // namespace
}  // namespace skin_test
