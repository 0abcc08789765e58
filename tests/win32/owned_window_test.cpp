// An owned window goes with its owner, and no message of its destruction reaches
// the owner's object.
#include <gtest/gtest.h>

#include <vector>

#include "win32/owned_window.h"

namespace {

class Recorder : public zel::WindowTarget {
 public:
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) override {
    messages.push_back(msg);
    return zel::DefaultTargetProc(hwnd, msg, wparam, lparam);
  }
  void OnWindowGone() override { gone = true; }

  std::vector<UINT> messages;
  bool gone = false;
};

HWND MakeWindow(Recorder& target) {
  return zel::CreateTargetWindow(&target, {L"ZelOwnedWindowTest"}, 0, WS_OVERLAPPED, L"", 0, 0, 50,
                                 50, nullptr);
}

TEST(OwnedWindow, TakingTheSameWindowAgainKeepsItAndDestroyingDetachesFirst) {
  Recorder target;
  zel::OwnedWindow window;
  const HWND hwnd = MakeWindow(target);
  ASSERT_NE(hwnd, nullptr);
  window.Take(hwnd);  // as from the window's first message
  window.Take(hwnd);  // as from its creation's return
  ASSERT_TRUE(IsWindow(hwnd));
  EXPECT_EQ(window.get(), hwnd);

  target.messages.clear();
  window.Destroy();
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(window.get(), nullptr);
  EXPECT_TRUE(target.messages.empty()) << "first message " << target.messages.front();
  EXPECT_FALSE(target.gone);
}

TEST(OwnedWindow, AForgottenWindowIsLeftToWhoeverDestroysIt) {
  Recorder target;
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
  EXPECT_TRUE(target.gone);
}

TEST(OwnedWindow, TakingAnotherWindowDestroysTheFirst) {
  Recorder first_target, second_target;
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
