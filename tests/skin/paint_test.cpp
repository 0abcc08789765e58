// The painted frame, read back from real windows and compared pixel by pixel with
// an image built from the two pictures.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "support/window_list.h"
#include "skin_test_support.h"

namespace skin_test {
namespace {

constexpr DWORD kSizable = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

struct PaintCase {
  const char* name;
  Skin skin;
  DWORD style = kSizable;
  int width = 300, height = 200;
  bool active = true;
  // WS_MAXIMIZE in the style, the window left in place: the frame reads the style
  // only, and a really maximized window is partly off screen.
  bool maximizedStyle = false;
};

Skin WithInactive(bool controls, bool borders, int offset = 80) {
  Skin s;
  s.controlHasInactive = controls;
  s.borderHasInactive = borders;
  s.offset = offset;
  return s;
}

Skin NarrowTile() {
  Skin s;
  s.activeRight = 15;  // not right of the left end: the middle repeats 16-column tiles
  return s;
}

Skin TallBorders() {
  Skin s;
  s.tile = 40;  // taller than the 32-row caption
  return s;
}

Skin PlacedButtons() {
  Skin s;
  s.leftBorderWidth = 4;
  s.rightBorderWidth = 3;
  s.controlButtonPosition = true;
  s.buttonOffsetX = -7;
  s.buttonOffsetY = 3;
  return s;
}

class FramePaint : public ::testing::TestWithParam<PaintCase> {
 protected:
  void SetUp() override { MoveCursor(1270, 1010); }

  void Open(const PaintCase& c) {
    window_ = std::make_unique<TestWindow>(c.style, 100, 100, c.width, c.height);
    ASSERT_TRUE(window_->hwnd());
    neo_ = std::make_unique<cNeoClass>();
    c.skin.ApplyTo(*neo_);
    neo_->Attach(*window_);
    if (c.maximizedStyle) {
      HWND h = window_->hwnd();
      SetWindowLongW(h, GWL_STYLE, GetWindowLongW(h, GWL_STYLE) | WS_MAXIMIZE);
    }
    PumpFor(50);
  }

  // Sets the drawn state, then compares the whole frame outside the client area.
  void ExpectFrame(const Skin& skin, bool active) {
    HWND h = window_->hwnd();
    SendMessageW(h, WM_NCACTIVATE, active ? TRUE : FALSE, 0);
    SendMessageW(h, WM_NCPAINT, 1, 0);
    const Image actual = ReadWindow(h);
    const Image expected = ExpectedFrame(skin, StateOf(h, active));
    ExpectSame(expected, actual);
  }

  void ExpectSame(const Image& expected, const Image& actual) {
    const Comparison c = Compare(expected, actual, window_->ClientInWindow());
    EXPECT_GT(c.known, 1500);
    EXPECT_EQ(c.compared, c.known);
    EXPECT_EQ(c.mismatches, 0) << c.report << Situation(expected);
  }

  // On a mismatch: the window's state, whatever lies over its corners, and
  // whether one more paint mends the frame (a skipped paint) or not (the paint
  // cannot reach the screen).
  std::string Situation(const Image& expected) {
    HWND h = window_->hwnd();
    std::string s = "visible " + std::to_string(IsWindowVisible(h)) + ", iconic " +
                    std::to_string(IsIconic(h)) + ", zoomed " + std::to_string(IsZoomed(h)) +
                    ", foreground is " + (GetForegroundWindow() == h ? "it" : "another window");
    const RECT r = window_->WindowRect();
    for (const POINT p : {POINT{r.left + 1, r.top + 1}, POINT{r.right - 2, r.bottom - 2}}) {
      HWND over = WindowFromPoint(p);
      if (over == h) continue;
      char name[64] = {};
      GetClassNameA(over, name, sizeof name);
      DWORD pid = 0;
      GetWindowThreadProcessId(over, &pid);
      s += ", covered by \"" + std::string(name) + "\" of process " + std::to_string(pid) +
           (pid == GetCurrentProcessId() ? " (this one)" : "");
    }
    SendMessageW(h, WM_NCPAINT, 1, 0);
    const Comparison again = Compare(expected, ReadWindow(h), window_->ClientInWindow());
    return s + ", mismatches after one more paint " + std::to_string(again.mismatches);
  }

  std::unique_ptr<TestWindow> window_;
  std::unique_ptr<cNeoClass> neo_;
};

TEST_P(FramePaint, MatchesThePictures) {
  const PaintCase& c = GetParam();
  Open(c);
  ExpectFrame(c.skin, c.active);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FramePaint,
    ::testing::Values(
        PaintCase{"Active", Skin{}},
        PaintCase{"InactiveShiftsCaptionNotGlyphs", WithInactive(false, false), kSizable, 300, 200,
                  false},
        PaintCase{"InactiveGlyphsShifted", WithInactive(true, false), kSizable, 300, 200, false},
        PaintCase{"InactiveBorderRow", WithInactive(false, true), kSizable, 300, 200, false},
        PaintCase{"ActiveBorderRowOfTwo", WithInactive(true, true)},
        PaintCase{"InactiveOffsetZero", WithInactive(true, false, 0), kSizable, 300, 200, false},
        PaintCase{"MaximizedShowsRestoreGlyph", Skin{}, kSizable, 300, 200, true, true},
        PaintCase{"NoMinimizeBox", Skin{}, kSizable & ~WS_MINIMIZEBOX},
        PaintCase{"NotSizable", Skin{}, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE},
        PaintCase{"MiddleTileFallback", NarrowTile()},
        PaintCase{"BordersTallerThanCaption", TallBorders(), kSizable, 300, 220},
        PaintCase{"PlacedButtonsAndEdgeWidths", PlacedButtons()},
        PaintCase{"LargeWindow", Skin{}, kSizable, 745, 400}),
    [](const ::testing::TestParamInfo<PaintCase>& info) { return std::string(info.param.name); });

TEST_F(FramePaint, CaptionSourceColumnsFollowActivation) {
  Skin skin;
  Open(PaintCase{"", skin});
  HWND h = window_->hwnd();
  SendMessageW(h, WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(ReadWindow(h).at(0, 0), CaptionPixel(0, 0));
  SendMessageW(h, WM_NCACTIVATE, FALSE, 0);
  EXPECT_EQ(ReadWindow(h).at(0, 0), CaptionPixel(skin.offset, 0));
}

TEST_F(FramePaint, NarrowWindowStartsTheRightEndAtItsWidth) {
  Skin skin;
  const int RW = skin.rightEnd - skin.activeRight + 1;
  Open(PaintCase{"", skin, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE});
  HWND h = window_->hwnd();
  // Narrower than left end plus right end.
  SetWindowPos(h, nullptr, 0, 0, 30, 120, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  PumpFor(20);
  ExpectFrame(skin, true);
  const Image img = ReadWindow(h);
  EXPECT_EQ(img.at(RW - 1, 1), CaptionPixel(RW - 1, 1));  // still the left end
  EXPECT_EQ(img.at(RW, 1), CaptionPixel(skin.activeRight, 1));
}

TEST_F(FramePaint, TextChangeRepaintsOverThePlatformCaption) {
  Skin skin;
  Open(PaintCase{"", skin});
  HWND h = window_->hwnd();
  SendMessageW(h, WM_NCACTIVATE, TRUE, 0);
  EXPECT_TRUE(SetWindowTextW(h, L"another title, drawn by nobody"));
  ExpectSame(ExpectedFrame(skin, StateOf(h, true)), ReadWindow(h));
  EXPECT_EQ(zeltest::WindowText(h), L"another title, drawn by nobody");
}

// A borders picture one row high with an inactive row gives tiles of size 0: the
// edges have nothing to repeat, and painting must still end.
TEST_F(FramePaint, ZeroSizedBorderTilesPaintTheCaptionAndEnd) {
  window_ = std::make_unique<TestWindow>(kSizable, 100, 100, 300, 200);
  neo_ = std::make_unique<cNeoClass>();
  Skin{}.ApplyTo(*neo_);
  neo_->p_Borders(MakePicture(7, 1, BordersPixel));
  neo_->p_BorderHasInactive(-1);
  neo_->Attach(*window_);
  SendMessageW(window_->hwnd(), WM_NCACTIVATE, TRUE, 0);
  SendMessageW(window_->hwnd(), WM_NCPAINT, 1, 0);
  EXPECT_EQ(ReadWindow(window_->hwnd()).at(5, 5), CaptionPixel(5, 5));
}

// Messages after which the frame is painted again over whatever the window's own
// procedure drew: the frame is blotted out first, then must be whole again.
TEST_F(FramePaint, FrameIsRepaintedAfterMessagesThatCanChangeIt) {
  Skin skin;
  Open(PaintCase{"", skin, kSizable & ~WS_MAXIMIZEBOX});  // no maximize on double-click
  HWND h = window_->hwnd();
  SendMessageW(h, WM_NCACTIVATE, TRUE, 0);
  const struct {
    UINT msg;
    WPARAM wParam;
  } messages[] = {{WM_NCACTIVATE, TRUE},
                  {WM_NCLBUTTONDBLCLK, HTCAPTION},
                  {WM_STYLECHANGED, static_cast<WPARAM>(static_cast<LONG_PTR>(GWL_EXSTYLE))},
                  {WM_INITMENU, 0},
                  {WM_INITMENUPOPUP, 0},
                  {WM_NCPAINT, 1}};
  for (const auto& m : messages) {
    HDC dc = GetWindowDC(h);
    PatBlt(dc, 0, 0, 300, 200, BLACKNESS);
    ReleaseDC(h, dc);
    STYLESTRUCT ss{static_cast<DWORD>(GetWindowLongW(h, GWL_EXSTYLE)),
                   static_cast<DWORD>(GetWindowLongW(h, GWL_EXSTYLE))};
    SendMessageW(h, m.msg, m.wParam, m.msg == WM_STYLECHANGED ? reinterpret_cast<LPARAM>(&ss) : 0);
    SCOPED_TRACE(testing::Message() << "message " << m.msg);
    ExpectSame(ExpectedFrame(skin, StateOf(h, true)), ReadWindow(h));
  }
}

// The strips are kept between paints: every kind of change must still reach the
// screen. Each step changes one thing, repaints and compares the whole frame.
TEST_F(FramePaint, EveryKindOfChangeReachesTheScreen) {
  const Skin skin = WithInactive(true, true);  // activation changes caption, glyphs, borders
  Open(PaintCase{"", skin});
  HWND h = window_->hwnd();
  window_->swallowCommands = true;
  auto check = [&](const char* change, const Skin& now, bool active, int pressed = -1) {
    SCOPED_TRACE(change);
    SendMessageW(h, WM_NCPAINT, 1, 0);
    FrameState st = StateOf(h, active);
    if (pressed >= 0) st.pressed[pressed] = true;
    ExpectSame(ExpectedFrame(now, st), ReadWindow(h));
  };
  auto resize = [&](int width, int height) {
    SetWindowPos(h, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpFor(20);
  };
  auto set_style = [&](LONG style) {
    SetWindowLongW(h, GWL_STYLE, style);
    PumpFor(20);
  };
  auto window_point = [&](POINT p) {
    const RECT r = window_->WindowRect();
    MoveCursor(r.left + p.x, r.top + p.y);
  };
  SendMessageW(h, WM_NCACTIVATE, TRUE, 0);
  check("attached", skin, true);

  resize(360, 260);  // outgrows every surface
  check("grown", skin, true);
  resize(320, 230);
  check("shrunk", skin, true);
  resize(340, 250);  // within the surfaces
  check("grown again", skin, true);

  SendMessageW(h, WM_NCACTIVATE, FALSE, 0);
  check("deactivated", skin, false);
  SendMessageW(h, WM_NCACTIVATE, TRUE, 0);
  check("activated", skin, true);

  // A press reaches the buttons when the latest hit-test was not the caption's.
  const RECT client = window_->ClientInWindow();
  const RECT at = window_->WindowRect();
  const LPARAM in_client = MAKELPARAM(at.left + (client.left + client.right) / 2,
                                      at.top + (client.top + client.bottom) / 2);
  for (int index = 0; index < 3; ++index) {
    SCOPED_TRACE(testing::Message() << "button " << index);
    const RECT button = ExpectedButtons(skin, StateOf(h, true))[index];
    const POINT center{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
    window_point(center);
    SendMessageW(h, WM_NCHITTEST, 0, in_client);
    SendMessageW(h, WM_NCLBUTTONDOWN, HTCLIENT, in_client);
    check("pressed, cursor on it", skin, true, index);
    MoveCursor(1270, 1010);
    check("pressed, cursor off it", skin, true, index);
    window_point(center);
    check("pressed, cursor back on it", skin, true, index);
    window_point(POINT{150, 20});
    SendMessageW(h, WM_NCLBUTTONUP, HTCAPTION, 0);  // away from the buttons: fires nothing
    window_point(center);
    check("released", skin, true);
  }
  EXPECT_TRUE(window_->sysCommands.empty());
  MoveCursor(1270, 1010);

  // One style bit at a time: each differs from the style before it in that bit only.
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  for (const LONG changed :
       {style & ~WS_MINIMIZEBOX, style & ~WS_MAXIMIZEBOX, style | WS_MAXIMIZE}) {
    SCOPED_TRACE(testing::Message() << "style " << std::hex << changed);
    set_style(changed);
    check("style changed", skin, true);
    set_style(style);
    check("style back", skin, true);
  }

  Skin moved = skin;
  moved.leftEnd = 17;
  neo_->p_Description(moved.Description());
  check("new description", moved, true);

  neo_->p_Description(skin.Description());
  check("description back", skin, true);

  // Attach again with pictures of the inverted pixels, then with the test's own.
  neo_->p_Caption(MakePicture(skin.captionWidth, skin.captionHeight,
                              [](int x, int y) { return ~CaptionPixel(x, y) & 0xFFFFFFu; }));
  neo_->p_Borders(MakePicture(7 * skin.tile, skin.BordersHeight(),
                              [](int x, int y) { return ~BordersPixel(x, y) & 0xFFFFFFu; }));
  neo_->Attach(*window_);
  SendMessageW(h, WM_NCPAINT, 1, 0);
  Image inverted = ReadWindow(h);
  for (int64_t& pixel : inverted.pixels) {
    if (pixel >= 0) pixel = ~pixel & 0xFFFFFF;
  }
  {
    SCOPED_TRACE("inverted pictures");
    ExpectSame(ExpectedFrame(skin, StateOf(h, true)), inverted);
  }
  skin.ApplyTo(*neo_);
  neo_->Attach(*window_);
  check("own pictures again", skin, true);
}

}  // namespace
}  // namespace skin_test
