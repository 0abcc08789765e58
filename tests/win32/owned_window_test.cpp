// An owned window goes with its owner, and no message of its destruction reaches
// the owner's object.
#include <gtest/gtest.h>

#include "recording_target.h"
#include "win32/owned_window.h"

namespace {

using win32_test::RecordingTarget;

HWND MakeWindow(RecordingTarget& target) {
  return zel::CreateTargetWindow(&target, {L"ZelOwnedWindowTest"}, 0, WS_OVERLAPPED, L"", 0, 0, 50,
                                 50, nullptr);
}

TEST(OwnedWindow, TakingTheSameWindowAgainKeepsItAndDestroyingDetachesFirst) {
  RecordingTarget target;
  zel::OwnedWindow window;
  const HWND hwnd = MakeWindow(target);
  ASSERT_NE(hwnd, nullptr);
  window.Take(hwnd);  // as from the window's first message
  window.Take(hwnd);  // as from its creation's return
  ASSERT_TRUE(IsWindow(hwnd));
  EXPECT_EQ(window.get(), hwnd);

  target.seen.clear();
  window.Destroy();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(window.get(), nullptr);
  EXPECT_TRUE(target.seen.empty()) << "first message " << target.seen.front();
  EXPECT_EQ(target.gone, 0);
}

TEST(OwnedWindow, AForgottenWindowIsLeftToWhoeverDestroysIt) {
  RecordingTarget target;
  const HWND hwnd = MakeWindow(target);
  ASSERT_NE(hwnd, nullptr);
  {
    zel::OwnedWindow window;
    window.Take(hwnd);
    window.Forget();  // as its object does when the window went with its parent
    EXPECT_FALSE(window);
  }
  EXPECT_TRUE(IsWindow(hwnd));
  DestroyWindow(hwnd);
  EXPECT_EQ(target.gone, 1);
}

TEST(OwnedWindow, TakingAnotherWindowDestroysTheFirst) {
  RecordingTarget first_target, second_target;
  zel::OwnedWindow window;
  const HWND first = MakeWindow(first_target);
  const HWND second = MakeWindow(second_target);
  window.Take(first);
  window.Take(second);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_TRUE(IsWindow(second));
  window.Take(nullptr);
  EXPECT_FALSE(IsWindow(second));
}

}  // namespace
