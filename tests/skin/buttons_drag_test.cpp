// Caption buttons, double-click, dragging and the cursor handler, driven by real
// mouse input.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "skin/frame_input.h"
#include "skin_test_support.h"

namespace skin_test {
namespace {

constexpr DWORD kVisible = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
// Without WS_CAPTION: the X driver, finding no window manager to confirm a
// maximized state, would otherwise restore a window it sees maximized.
constexpr DWORD kMaximizable =
    WS_POPUP | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_VISIBLE;
using S = MouseStep;

POINT Center(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class FrameMouse : public ::testing::Test {
 protected:
  void Open(DWORD style, const Skin& skin, int x = 100, int y = 100) {
    skin_ = skin;
    window_ = std::make_unique<TestWindow>(style, x, y, 300, 200);
    neo_ = std::make_unique<cNeoClass>();
    skin.ApplyTo(*neo_);
    neo_->Attach(*window_);
    SetForegroundWindow(window_->hwnd());
    PumpFor(100);
  }
  HWND hwnd() const { return window_->hwnd(); }
  // Puts the cursor at a window-relative point.
  void Point(POINT p) {
    const RECT r = window_->WindowRect();
    MoveCursor(r.left + p.x, r.top + p.y);
  }
  RECT Button(int index) { return ExpectedButtons(skin_, StateOf(hwnd(), true))[index]; }
  void Click() { PlayMouse({{S::kDown}, {S::kWait, 80}, {S::kUp}}); }
  bool Commanded(WPARAM command) const {
    const auto& c = window_->sysCommands;
    return std::find(c.begin(), c.end(), command) != c.end();
  }
  void ExpectFrame(bool pressed_maximize) {
    SendMessageW(hwnd(), WM_NCPAINT, 1, 0);
    FrameState st = StateOf(hwnd(), true);
    st.pressed[1] = pressed_maximize;
    const Comparison c =
        Compare(ExpectedFrame(skin_, st), ReadWindow(hwnd()), window_->ClientInWindow());
    EXPECT_GT(c.known, 1500);
    EXPECT_EQ(c.compared, c.known);
    EXPECT_EQ(c.mismatches, 0) << c.report;
  }

  Skin skin_;
  std::unique_ptr<TestWindow> window_;
  std::unique_ptr<cNeoClass> neo_;
};

TEST_F(FrameMouse, CaptionButtonsPostTheirSystemCommands) {
  Open(kVisible, Skin{});
  window_->swallowCommands = true;
  const WPARAM expected[] = {SC_CLOSE, SC_MAXIMIZE, SC_MINIMIZE};
  for (int index = 0; index < 3; ++index) {
    Point(Center(Button(index)));
    Click();
    ASSERT_EQ(window_->sysCommands.size(), static_cast<size_t>(index + 1));
    EXPECT_EQ(window_->sysCommands.back(), expected[index]) << "button " << index;
  }
  // A maximized window's maximize button restores it.
  SetWindowLongW(hwnd(), GWL_STYLE, GetWindowLongW(hwnd(), GWL_STYLE) | WS_MAXIMIZE);
  Point(Center(Button(1)));
  Click();
  ASSERT_EQ(window_->sysCommands.size(), 4u);
  EXPECT_EQ(window_->sysCommands.back(), static_cast<WPARAM>(SC_RESTORE));
  EXPECT_TRUE(IsWindow(hwnd()));
}

// Without WS_SYSMENU and with the buttons placed in the system-menu zone, a press
// reaches the buttons directly instead of starting a drag.
TEST_F(FrameMouse, PressEndingOffTheFrameKeepsItsFlagAndDrawsPressedUnderTheCursor) {
  Skin skin;
  skin.controlButtonPosition = true;
  skin.buttonOffsetX = 7 + 11 - 300;  // maximize at x 7..17
  skin.buttonOffsetY = 8;
  Open(WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX | WS_VISIBLE, skin);
  const RECT max_button = Button(1);
  ASSERT_EQ(max_button.left, 7);
  Point(Center(max_button));
  const POINT at = CursorPos();
  ASSERT_EQ(SendMessageW(hwnd(), WM_NCHITTEST, 0, MAKELPARAM(at.x, at.y)), HTSYSMENU);

  // Press on the button, leave into the client area, release there.
  PlayMouse({{S::kDown}, {S::kWait, 100}, {S::kMoveBy, 0, 80}, {S::kWait, 50}, {S::kUp}});
  EXPECT_TRUE(window_->sysCommands.empty());

  Point(Center(max_button));
  ExpectFrame(true);  // flag set, cursor on the button: pressed
  Point(POINT{150, 12});
  ExpectFrame(true);  // flag set, cursor elsewhere: drawn normal

  // A release on the frame away from the buttons clears the flags and fires nothing.
  SendMessageW(hwnd(), WM_NCLBUTTONUP, HTCAPTION, 0);
  PumpFor(50);
  EXPECT_TRUE(window_->sysCommands.empty());
  Point(Center(max_button));
  ExpectFrame(false);
}

TEST_F(FrameMouse, CaptionDoubleClickMaximizesAndRestoresAndRepaints) {
  Open(kMaximizable, Skin{});
  const POINT caption{150, 14};
  Point(caption);
  const std::vector<MouseStep> double_click = {{S::kDown}, {S::kWait, 30}, {S::kUp}, {S::kWait, 30},
                                               {S::kDown}, {S::kWait, 30}, {S::kUp}};
  PlayMouse(double_click);
  ASSERT_TRUE(IsZoomed(hwnd()));
  EXPECT_EQ(window_->sysCommands.front(), static_cast<WPARAM>(SC_MAXIMIZE));
  // Without a window manager the X driver may still resize the window once; the
  // frame follows every size change.
  Point(caption);
  PumpFor(300);
  const Comparison maximized = Compare(ExpectedFrame(skin_, StateOf(hwnd(), true)),
                                       ReadWindow(hwnd()), window_->ClientInWindow());
  EXPECT_EQ(maximized.mismatches, 0) << maximized.report;
  EXPECT_GT(maximized.compared, 1500);

  Point(caption);
  PlayMouse(double_click);
  EXPECT_FALSE(IsZoomed(hwnd()));
  const Comparison restored = Compare(ExpectedFrame(skin_, StateOf(hwnd(), true)),
                                      ReadWindow(hwnd()), window_->ClientInWindow());
  EXPECT_EQ(restored.mismatches, 0) << restored.report;
}

TEST_F(FrameMouse, DraggingTheCaptionMovesTheWindowWithThePointer) {
  Open(kVisible, Skin{});
  Point(POINT{150, 14});
  const RECT before = window_->WindowRect();
  std::vector<MouseStep> drag = {{S::kDown}, {S::kWait, 50}};
  for (int i = 0; i < 8; ++i) {
    drag.push_back({S::kMoveBy, 5, 4});
    drag.push_back({S::kWait, 20});
  }
  drag.push_back({S::kWait, 50});
  drag.push_back({S::kUp});
  PlayMouse(drag);
  const RECT after = window_->WindowRect();
  EXPECT_EQ(after.left - before.left, 40);
  EXPECT_EQ(after.top - before.top, 32);
  EXPECT_EQ(after.right - after.left, 300);
}

// A left-handed set-up: the primary button is the physical right one. Wine does
// not swap real input, so the test stands in for the key state: the presses it
// plays are those of the physical right button.
int WINAPI SwappedButtonsMetrics(int index) {
  return index == SM_SWAPBUTTON ? 1 : GetSystemMetrics(index);
}
SHORT WINAPI SwappedButtonsKeyState(int key) {
  if (key == VK_RBUTTON) return GetAsyncKeyState(VK_LBUTTON);
  if (key == VK_LBUTTON) return 0;
  return GetAsyncKeyState(key);
}
struct SwappedButtons {
  SwappedButtons() {
    zel::frame_input::Input() = {&SwappedButtonsMetrics, &SwappedButtonsKeyState};
  }
  ~SwappedButtons() { zel::frame_input::ResetInputCalls(); }
};

TEST_F(FrameMouse, WithSwappedButtonsThePrimaryButtonDragsAndClicks) {
  SwappedButtons swapped;
  Open(kVisible, Skin{});
  window_->swallowCommands = true;
  Point(POINT{150, 14});
  const RECT before = window_->WindowRect();
  PlayMouse({{S::kDown},
             {S::kWait, 50},
             {S::kMoveBy, 5, 4},
             {S::kWait, 50},
             {S::kMoveBy, 5, 4},
             {S::kWait, 50},
             {S::kUp}});
  const RECT after = window_->WindowRect();
  EXPECT_EQ(after.left - before.left, 10);
  EXPECT_EQ(after.top - before.top, 8);

  Point(Center(Button(1)));
  Click();
  EXPECT_EQ(window_->sysCommands, (std::vector<WPARAM>{SC_MAXIMIZE}));
}

TEST_F(FrameMouse, AMaximizedWindowIsNotDragged) {
  Open(kVisible, Skin{});
  SetWindowLongW(hwnd(), GWL_STYLE, GetWindowLongW(hwnd(), GWL_STYLE) | WS_MAXIMIZE);
  Point(POINT{150, 14});
  const RECT before = window_->WindowRect();
  PlayMouse({{S::kDown}, {S::kWait, 50}, {S::kMoveBy, 20, 10}, {S::kWait, 50}, {S::kUp}});
  EXPECT_EQ(window_->WindowRect().left, before.left);
  EXPECT_EQ(window_->WindowRect().top, before.top);
}

TEST_F(FrameMouse, PressesNudgeThePointerAlternately) {
  Open(kVisible, Skin{});
  const RECT r = window_->WindowRect();
  Point(POINT{150, 14});
  const POINT start = CursorPos();
  Click();
  EXPECT_EQ(CursorPos().x, start.x - 1);
  EXPECT_EQ(CursorPos().y, start.y - 1);
  PumpFor(static_cast<int>(GetDoubleClickTime()) + 100);  // two clicks, not a double-click
  Click();
  EXPECT_EQ(CursorPos().x, start.x);
  EXPECT_EQ(CursorPos().y, start.y);
  EXPECT_EQ(window_->WindowRect().left, r.left);  // a click alone does not move it
  EXPECT_EQ(window_->WindowRect().top, r.top);
}

TEST_F(FrameMouse, DragEndsWhenTheWindowIsDeactivated) {
  TestWindow other(kVisible, 700, 500, 200, 150);
  Open(kVisible, Skin{});
  window_->onMessage = [&](UINT msg, WPARAM id) {
    if (msg == WM_TIMER && id == 7) {
      KillTimer(hwnd(), 7);
      SetForegroundWindow(other.hwnd());
    }
  };
  Point(POINT{150, 14});
  const RECT before = window_->WindowRect();
  SetTimer(hwnd(), 7, 100, nullptr);
  PlayMouse({{S::kDown}, {S::kWait, 400}, {S::kMoveBy, 30, 20}, {S::kWait, 100}, {S::kUp}});
  EXPECT_EQ(GetForegroundWindow(), other.hwnd());
  const RECT after = window_->WindowRect();
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
}

TEST_F(FrameMouse, SetCursorRemovesTheMenuAndRestoresTheStyle) {
  Open(kVisible, Skin{});
  HMENU menu = CreateMenu();
  AppendMenuW(menu, MF_STRING, 1, L"File");
  SetMenu(hwnd(), menu);
  ASSERT_EQ(GetMenu(hwnd()), menu);
  const LONG style = GetWindowLongW(hwnd(), GWL_STYLE);
  const int before = window_->Count(WM_SETCURSOR);
  const LRESULT r = SendMessageW(hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd()),
                                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(window_->Count(WM_SETCURSOR) - before, 1);
  EXPECT_EQ(r, window_->setCursorResult);  // the window's own answer
  EXPECT_EQ(window_->styleAtSetCursor, style & ~WS_VISIBLE);
  EXPECT_EQ(GetWindowLongW(hwnd(), GWL_STYLE), style);
  EXPECT_EQ(GetMenu(hwnd()), nullptr);
  // The frame keeps the menu it took and frees it when it is released.
  EXPECT_TRUE(IsMenu(menu));
  neo_.reset();
  EXPECT_FALSE(IsMenu(menu));
}

TEST_F(FrameMouse, RemovedMenuIsFreedWhenTheWindowIsDestroyed) {
  Open(kVisible, Skin{});
  HMENU menu = CreateMenu();
  SetMenu(hwnd(), menu);
  SendMessageW(hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd()),
               MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  ASSERT_EQ(GetMenu(hwnd()), nullptr);
  window_->Destroy();
  EXPECT_FALSE(IsMenu(menu));
}

}  // namespace
}  // namespace skin_test
