// Keys in hosted controls: the thread's message loop offers each key to the
// in-place object of the hosted control holding the focus, and dispatches only
// what it leaves.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "hosting/activex_host.h"
#include "key_test_control.h"
#include "win32/message_loop.h"

namespace hosting_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// The keys or characters among `messages`: the wParam of each of one kind.
std::vector<WPARAM> Of(const std::vector<MSG>& messages, UINT kind) {
  std::vector<WPARAM> keys;
  for (const MSG& m : messages) {
    if (m.message == kind) keys.push_back(m.wParam);
  }
  return keys;
}

class HostedKeys : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(control_class_.registered());
    log_.handled_keys = {VK_TAB};
    top_ = CreateKeyWindow(nullptr, nullptr, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 320, 240);
    ASSERT_TRUE(top_);
    ASSERT_TRUE(host_.Create(top_, 0, 0, 300, 120, TestControlClass::kClsid));
    ASSERT_TRUE(log_.window);
    ASSERT_TRUE(IsChild(host_.hwnd(), log_.window));
    outside_ = CreateKeyWindow(top_, &outside_keys_, WS_CHILD | WS_VISIBLE, 0, 130, 300, 60);
    ASSERT_TRUE(outside_);
    SetForegroundWindow(top_);
    zel::DispatchWaitingMessages();
  }
  void TearDown() override {
    host_.Destroy();
    if (top_) DestroyWindow(top_);
    zel::DispatchWaitingMessages();
  }

  // Real keys for the focused window: Tab, which the control takes, and A,
  // which it leaves.
  void PressKeysIn(HWND window) {
    SetFocus(window);
    ASSERT_EQ(GetFocus(), window);
    PostMessageW(window, WM_KEYDOWN, VK_TAB,
                 MAKELPARAM(1, MapVirtualKeyW(VK_TAB, MAPVK_VK_TO_VSC)));
    PostMessageW(window, WM_KEYDOWN, 'A', MAKELPARAM(1, MapVirtualKeyW('A', MAPVK_VK_TO_VSC)));
  }
  void ExpectOnlyTheLeftKeyDispatchedToTheControl() {
    EXPECT_THAT(Of(log_.offered, WM_KEYDOWN), ElementsAre(VK_TAB, 'A'));
    for (const MSG& m : log_.offered) EXPECT_EQ(m.hwnd, log_.window);
    // The key the control handled was neither translated nor dispatched; the
    // other was both, as before.
    EXPECT_THAT(Of(log_.received, WM_KEYDOWN), ElementsAre('A'));
    EXPECT_THAT(Of(log_.received, WM_CHAR), ElementsAre('a'));
  }

  KeyLog log_;
  TestControlClass control_class_{log_};
  zel::ActiveXHost host_;
  HWND top_ = nullptr;
  HWND outside_ = nullptr;
  std::vector<MSG> outside_keys_;
};

TEST_F(HostedKeys, ControlHoldingTheFocusSeesItsKeysFirst) {
  PressKeysIn(log_.window);
  EXPECT_TRUE(zel::DispatchWaitingMessages());
  ExpectOnlyTheLeftKeyDispatchedToTheControl();
}

TEST_F(HostedKeys, KeysOutsideHostedControlsAreDispatchedAsBefore) {
  PressKeysIn(outside_);
  EXPECT_TRUE(zel::DispatchWaitingMessages());
  EXPECT_THAT(log_.offered, IsEmpty());
  EXPECT_THAT(Of(outside_keys_, WM_KEYDOWN), ElementsAre(VK_TAB, 'A'));
  EXPECT_THAT(Of(outside_keys_, WM_CHAR), ElementsAre('\t', 'a'));
}

TEST_F(HostedKeys, MainLoopFiltersTheSameWayAndEndsOnQuit) {
  PressKeysIn(log_.window);
  PostQuitMessage(3);
  EXPECT_EQ(zel::RunMessageLoop(), 3);
  ExpectOnlyTheLeftKeyDispatchedToTheControl();

  // A modal loop that meets the quit request leaves it to the outer loop.
  PostQuitMessage(4);
  EXPECT_FALSE(zel::DispatchWaitingMessages());
  EXPECT_EQ(zel::RunMessageLoop(), 4);
}

}  // namespace
}  // namespace hosting_test
