// Binding a system control to its object without changing its class.
#include <gtest/gtest.h>

#include "recording_target.h"
#include "support/window_list.h"
#include "win32/window_target.h"

namespace {

using win32_test::RecordingTarget;

class Parent {
 public:
  Parent()
      : hwnd_(CreateWindowExW(0, L"Static", L"", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr,
                              nullptr, nullptr)) {}
  ~Parent() { DestroyWindow(hwnd_); }
  HWND hwnd() const { return hwnd_; }

 private:
  HWND hwnd_;
};

// A system control keeps its class and behaviour while bound, gets its own
// procedure back when its target lets go, and tells a bound target of its end.
TEST(SystemControlBinding, KeepsTheClassAndGivesTheProcedureBack) {
  Parent parent;
  ASSERT_TRUE(parent.hwnd());
  HWND plain = CreateWindowExW(0, L"Button", L"", WS_CHILD | BS_RADIOBUTTON, 0, 0, 50, 20,
                               parent.hwnd(), nullptr, nullptr, nullptr);
  const LONG_PTR button_proc = GetWindowLongPtrW(plain, GWLP_WNDPROC);
  DestroyWindow(plain);

  RecordingTarget left, kept;
  HWND detached = zel::CreateSystemControlWindow(&left, L"Button", 0, WS_CHILD | BS_RADIOBUTTON,
                                                 L"left", 0, 0, 50, 20, parent.hwnd());
  HWND bound = zel::CreateSystemControlWindow(&kept, L"Button", 0, WS_CHILD | BS_RADIOBUTTON,
                                              L"kept", 0, 30, 50, 20, parent.hwnd());
  ASSERT_TRUE(detached && bound);
  EXPECT_EQ(zeltest::ClassName(detached), L"Button");
  EXPECT_TRUE(IsWindowUnicode(detached));
  EXPECT_NE(GetWindowLongPtrW(detached, GWLP_WNDPROC), button_proc);
  SendMessageW(detached, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_TRUE(left.Saw(BM_SETCHECK));
  EXPECT_EQ(SendMessageW(detached, BM_GETCHECK, 0, 0), BST_CHECKED);  // the button's own answer

  zel::DetachTarget(detached);
  EXPECT_EQ(GetWindowLongPtrW(detached, GWLP_WNDPROC), button_proc);
  left.seen.clear();
  EXPECT_EQ(SendMessageW(detached, BM_GETCHECK, 0, 0), BST_CHECKED);
  DestroyWindow(detached);
  EXPECT_TRUE(left.seen.empty());
  EXPECT_EQ(left.gone, 0);

  DestroyWindow(bound);
  EXPECT_TRUE(kept.Saw(WM_DESTROY));
  EXPECT_FALSE(kept.Saw(WM_NCDESTROY));  // told as the window's end instead
  EXPECT_EQ(kept.gone, 1);
}

}  // namespace
