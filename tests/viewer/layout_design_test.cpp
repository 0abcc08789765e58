// The main window at its design size, read back from the real windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "layout_support.h"

namespace layout_test {
namespace {

LOGFONTW FontOf(HFONT font) {
  LOGFONTW lf{};
  GetObjectW(font, sizeof(lf), &lf);
  return lf;
}

TEST_F(MainWindow, WindowHasItsDesignSettings) {
  wchar_t cls[64] = {};
  GetClassNameW(form.hwnd(), cls, 64);
  EXPECT_STREQ(cls, L"ZelvanoMainForm");
  EXPECT_EQ(WindowText(form.hwnd()), L"ZelvanoV2010");
  EXPECT_FALSE(IsWindowVisible(form.hwnd()));
  RECT client{};
  GetClientRect(form.hwnd(), &client);
  EXPECT_EQ(client.right, 743);
  EXPECT_EQ(client.bottom, 363);
  EXPECT_FLOAT_EQ(form.ScaleWidth(), 11145);
  EXPECT_FLOAT_EQ(form.ScaleHeight(), 5445);

  const RECT outer = OuterRect(form);
  EXPECT_NEAR(outer.left + outer.right, GetSystemMetrics(SM_CXSCREEN), 1);
  EXPECT_NEAR(outer.top + outer.bottom, GetSystemMetrics(SM_CYSCREEN), 1);

  const LONG style = GetWindowLongW(form.hwnd(), GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
            WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);

  const LOGFONTW font = FontOf(form.FontHandle());
  EXPECT_STREQ(font.lfFaceName, L"Tahoma");
  EXPECT_EQ(font.lfHeight, -11);

  auto icon = reinterpret_cast<HICON>(SendMessageW(form.hwnd(), WM_GETICON, ICON_BIG, 0));
  ASSERT_TRUE(icon);
  ICONINFO info{};
  ASSERT_TRUE(GetIconInfo(icon, &info));
  BITMAP bm{};
  GetObjectW(info.hbmColor, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmWidth, 240);
  EXPECT_EQ(bm.bmHeight, 240);
  DeleteObject(info.hbmColor);
  DeleteObject(info.hbmMask);
  EXPECT_TRUE(SendMessageW(form.hwnd(), WM_GETICON, ICON_SMALL, 0));
}

TEST_F(MainWindow, ControlsSitInTheirContainersAtTheTablesTwipsInPixels) {
  ShowAndSettle();
  struct Expected {
    const char* name;
    HWND hwnd;
    HWND parent;
    Place place;  // pixels: twips / 15
  };
  const Expected table[] = {
      {"picMain", picMain(), form.hwnd(), {0, 0, 743, 363}},  // after Form_Resize
      {"TreeView1", form.TreeView1.hwnd(), picMain(), {0, 0, 153, 361}},
      {"Image2", form.Image2.hwnd(), picMain(), {152, -32, 10, 401}},
      {"Image1", form.Image1.hwnd(), picMain(), {152, -32, 9, 403}},
      {"wmp1", form.wmp1.hwnd(), picMain(), {160, 0, 393, 361}},
      {"WebBrowser1", form.WebBrowser1.hwnd(), picMain(), {552, -8, 193, 441}},
      {"Label1", form.Label1.hwnd(), picMain(), {504, 336, 41, 17}},
      {"fmMain(0)", form.fmMain(0).hwnd(), picMain(), {400, 608, 143, 157}},
      {"Picture1(0)", form.Picture1(0).hwnd(), form.fmMain(0).hwnd(), {6, 16, 133, 133}},
      {"optStyle(0)", form.optStyle(0).hwnd(), form.Picture1(0).hwnd(), {6, 6, 59, 15}},
      {"optStyle(1)", form.optStyle(1).hwnd(), form.Picture1(0).hwnd(), {6, 24, 51, 15}},
      {"optStyle(2)", form.optStyle(2).hwnd(), form.Picture1(0).hwnd(), {6, 42, 71, 15}},
      {"optStyle(3)", form.optStyle(3).hwnd(), form.Picture1(0).hwnd(), {6, 60, 61, 15}},
      {"optStyle(4)", form.optStyle(4).hwnd(), form.Picture1(0).hwnd(), {6, 78, 85, 15}},
      {"optStyle(5)", form.optStyle(5).hwnd(), form.Picture1(0).hwnd(), {6, 96, 81, 15}},
      {"optStyle(6)", form.optStyle(6).hwnd(), form.Picture1(0).hwnd(), {6, 116, 81, 15}},
      {"Scriptlet1", form.Scriptlet1.hwnd(), picMain(), {176, 416, 89, 25}},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(e.name);
    ASSERT_TRUE(e.hwnd) << "no window";
    EXPECT_EQ(GetParent(e.hwnd), e.parent);
    EXPECT_EQ(PlaceOf(e.hwnd), e.place);
  }
  // The image holders are never shown; the border shape has no window.
  for (int16_t i = 0; i < 14; ++i) {
    ASSERT_TRUE(form.picResource.Item(i));
    EXPECT_EQ(GetParent(form.picResource(i).hwnd()), form.hwnd());
    EXPECT_FALSE(IsWindowVisible(form.picResource(i).hwnd()));
  }
  EXPECT_EQ(form.spBorder.hwnd(), nullptr);
}

TEST_F(MainWindow, SiteLinkLiesOnThePlayerAndAboveIt) {
  ShowAndSettle();
  const RECT label = RectInParent(form.Label1.hwnd());
  const RECT player = RectInParent(form.wmp1.hwnd());
  RECT both{};
  IntersectRect(&both, &label, &player);
  EXPECT_TRUE(EqualRect(&both, &label)) << "Label1 outside the player";
  // The label's middle, as the mouse finds it, is the label and not the player.
  POINT mid{(label.left + label.right) / 2, (label.top + label.bottom) / 2};
  ClientToScreen(form.picMain.hwnd(), &mid);
  EXPECT_EQ(WindowFromPoint(mid), form.Label1.hwnd());
  // The bar too lies above the tree and the player, the narrowing arrow on top.
  POINT bar{155, 180};
  ClientToScreen(form.picMain.hwnd(), &bar);
  EXPECT_EQ(WindowFromPoint(bar), form.Image2.hwnd());
}

TEST_F(MainWindow, OnlyTreeBarPlayerAndBrowserAreInViewAtDesignSize) {
  RECT client{};
  GetClientRect(form.hwnd(), &client);
  // Below the design client height: they come into view only in a taller window.
  for (HWND below : {form.fmMain(0).hwnd(), form.Scriptlet1.hwnd()}) {
    RECT r{};
    GetWindowRect(below, &r);
    MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_GE(r.top, client.bottom);
  }
  for (HWND seen :
       {form.TreeView1.hwnd(), form.Image2.hwnd(), form.wmp1.hwnd(), form.WebBrowser1.hwnd()}) {
    RECT r{}, in_view{};
    GetWindowRect(seen, &r);
    MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_TRUE(IntersectRect(&in_view, &r, &client));
  }
}

TEST_F(MainWindow, ControlCollectionIsInDesignOrderAndElevenCarryTheTag) {
  std::vector<std::wstring> order, tagged;
  for (const zel::Control* c : form.Controls()) {
    order.push_back(FullName(*c));
    if (c->Tag() == L"xb") tagged.push_back(FullName(*c));
  }
  std::vector<std::wstring> expected = {L"picMain",   L"TreeView1",   L"Image2", L"Image1",
                                        L"wmp1",      L"WebBrowser1", L"Label1", L"spBorder",
                                        L"fmMain(0)", L"Picture1(0)"};
  for (int i = 0; i < 7; ++i) expected.push_back(L"optStyle(" + std::to_wstring(i) + L")");
  expected.push_back(L"Scriptlet1");
  for (int i = 0; i < 14; ++i) expected.push_back(L"picResource(" + std::to_wstring(i) + L")");
  EXPECT_EQ(order, expected);

  std::vector<std::wstring> expected_tagged = {L"picMain", L"spBorder", L"fmMain(0)",
                                               L"Picture1(0)"};
  for (int i = 0; i < 7; ++i) expected_tagged.push_back(L"optStyle(" + std::to_wstring(i) + L")");
  EXPECT_EQ(tagged, expected_tagged);
  // No control carries the alternate tag.
  EXPECT_TRUE(std::none_of(form.Controls().begin(), form.Controls().end(),
                           [](const zel::Control* c) { return c->Tag() == L"xa"; }));
}

TEST_F(MainWindow, CaptionsFontsAndColoursAreTheDesigns) {
  EXPECT_EQ(form.Label1.Caption(), L"官方网");
  EXPECT_EQ(form.Label1.ForeColor(), std::optional<zel::OleColor>(0x0000C000));
  const LOGFONTW label_font = FontOf(form.Label1.FontHandle());
  EXPECT_STREQ(label_font.lfFaceName, L"黑体");
  EXPECT_EQ(label_font.lfCharSet, GB2312_CHARSET);
  EXPECT_EQ(label_font.lfHeight, -11);

  EXPECT_EQ(WindowText(form.fmMain(0).hwnd()), L"窗口皮肤");
  EXPECT_EQ(form.fmMain(0).BackColor(), std::optional<zel::OleColor>(0x00FFFFFF));
  EXPECT_EQ(form.Picture1(0).BackColor(), std::optional<zel::OleColor>(0x00FFFFFF));
  EXPECT_EQ(form.picMain.BackColor(), std::optional<zel::OleColor>(0x80000005));
  EXPECT_EQ(form.picMain.ForeColor(), std::optional<zel::OleColor>(0x80000008));
  EXPECT_STREQ(FontOf(form.picMain.FontHandle()).lfFaceName, L"MS Sans Serif");

  const wchar_t* captions[] = {L"Frost", L"Leaf",       L"Midnight", L"Ocean",
                               L"Alpha", L"Alpha Wire", L"Hybrid"};
  for (int16_t i = 0; i < 7; ++i) {
    SCOPED_TRACE(i);
    const zel::OptionButton& option = form.optStyle(i);
    EXPECT_EQ(WindowText(option.hwnd()), captions[i]);
    EXPECT_EQ(option.BackColor(), std::optional<zel::OleColor>(0x00FFFFFF));
    EXPECT_EQ(option.ForeColor(), std::optional<zel::OleColor>(i == 1 ? 0x00404040 : 0x80000012));
    auto font = reinterpret_cast<HFONT>(SendMessageW(option.hwnd(), WM_GETFONT, 0, 0));
    const LOGFONTW lf = FontOf(font);
    EXPECT_STREQ(lf.lfFaceName, L"MS Sans Serif");
    EXPECT_EQ(lf.lfHeight, -11);
  }

  auto tree_font = reinterpret_cast<HFONT>(SendMessageW(form.TreeView1.hwnd(), WM_GETFONT, 0, 0));
  const LOGFONTW tf = FontOf(tree_font);
  EXPECT_STREQ(tf.lfFaceName, L"Tahoma");
  EXPECT_EQ(tf.lfHeight, -12);
}

// Where the arrow of a bar picture points: -1 left, +1 right, 0 no arrow. A
// triangle's ink gathers towards its base, away from its tip.
int ArrowDirection(const zel::Picture& picture) {
  const int w = picture.Width(), h = picture.Height();
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
  std::vector<uint32_t> pixels(static_cast<size_t>(w) * h);
  GetDIBits(zel::WindowDc().dc(), picture.Handle(), 0, h, pixels.data(), &bi, DIB_RGB_COLORS);
  double ink = 0, moment = 0;
  int first = w, last = -1;
  for (int y = h / 2 - 20; y < h / 2 + 20; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t p = pixels[static_cast<size_t>(y) * w + x];
      const int luminance = (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF)) / 3;
      const int dark = std::max(0, 180 - luminance);
      if (!dark) continue;
      ink += dark;
      moment += dark * (x + 0.5);
      first = std::min(first, x);
      last = std::max(last, x);
    }
  if (ink == 0) return 0;
  const double centre = moment / ink, middle = (first + last + 1) / 2.0;
  return centre > middle ? -1 : centre < middle ? 1 : 0;
}

TEST_F(MainWindow, BarPicturesHaveTheirSizesAndArrows) {
  EXPECT_EQ(form.Image2.Picture().Width(), 10);
  EXPECT_EQ(form.Image2.Picture().Height(), 401);
  EXPECT_EQ(form.Image1.Picture().Width(), 9);
  EXPECT_EQ(form.Image1.Picture().Height(), 403);
  EXPECT_EQ(ArrowDirection(form.Image2.Picture()), -1);
  EXPECT_EQ(ArrowDirection(form.Image1.Picture()), 1);
}

}  // namespace
}  // namespace layout_test
