// The top-level form: client size and outer size in twips, centring, and the
// Resize and Unload events.
#include <gtest/gtest.h>

#include "form_test_support.h"

namespace {

using zel::Outcome;
using zel_test::DrainMessages;
using zel_test::TestForm;

using zeltest::WindowRect;

bool QuitPosted() {
  MSG msg;
  return PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

TEST(Form, ClientAreaHasTheDesignSizeAndTheWindowIsCentred) {
  TestForm form;
  ASSERT_TRUE(form.CreateDefault(11145, 5445));
  RECT client{};
  GetClientRect(form.hwnd(), &client);
  EXPECT_EQ(client.right, 743);
  EXPECT_EQ(client.bottom, 363);
  EXPECT_FLOAT_EQ(form.ScaleWidth(), 11145);
  EXPECT_FLOAT_EQ(form.ScaleHeight(), 5445);
  EXPECT_FALSE(IsWindowVisible(form.hwnd()));
  const RECT r = WindowRect(form.hwnd());
  EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR((r.top + r.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
  EXPECT_EQ(zeltest::WindowText(form.hwnd()), L"form test");
  const LONG style = GetWindowLongW(form.hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
}

TEST(Form, OuterWidthReadsBackAsSetAndKeepsHeightAndEdges) {
  TestForm form;
  ASSERT_TRUE(form.CreateDefault(11145, 5445));
  form.ControlsCreated();
  const RECT before = WindowRect(form.hwnd());
  EXPECT_EQ(form.SetWidth(11260), Outcome::kDone);
  const RECT after = WindowRect(form.hwnd());
  EXPECT_FLOAT_EQ(form.Width(), 11260);
  EXPECT_EQ(after.right - after.left, 751);
  EXPECT_EQ(after.left, before.left);
  EXPECT_EQ(after.top, before.top);
  EXPECT_EQ(after.bottom, before.bottom);
  EXPECT_EQ(form.resizes, 1);

  // Moved by someone else: the width is read from the window again.
  SetWindowPos(form.hwnd(), nullptr, 0, 0, 600, after.bottom - after.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_FLOAT_EQ(form.Width(), 9000);

  EXPECT_EQ(form.SetWidth(-15), Outcome::kRejected);
  EXPECT_FLOAT_EQ(form.Width(), 9000);
}

TEST(Form, ResizeIsRaisedOnlyOnceTheControlsExist) {
  TestForm form;
  ASSERT_TRUE(form.CreateDefault());
  SetWindowPos(form.hwnd(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(form.resizes, 0);
  form.ControlsCreated();
  SetWindowPos(form.hwnd(), nullptr, 0, 0, 520, 400, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(form.resizes, 1);
}

TEST(Form, FirstShowRaisesResizeWhenNoneCameBefore) {
  TestForm form;
  ASSERT_TRUE(form.CreateDefault());
  form.ControlsCreated();
  form.Show();
  DrainMessages();
  EXPECT_TRUE(IsWindowVisible(form.hwnd()));
  EXPECT_EQ(form.resizes, 1);
  ShowWindow(form.hwnd(), SW_HIDE);
  form.Show();
  DrainMessages();
  EXPECT_EQ(form.resizes, 1);
}

TEST(Form, MinimisedWindowHasNoScaleAndRejectsANewWidth) {
  TestForm form;
  ASSERT_TRUE(form.CreateDefault(11145, 5445));
  form.ControlsCreated();
  form.Show();
  DrainMessages();
  float seen_width = -1;
  form.on_resize = [&] { seen_width = form.ScaleWidth(); };
  ShowWindow(form.hwnd(), SW_MINIMIZE);
  DrainMessages();
  ASSERT_TRUE(IsIconic(form.hwnd()));
  EXPECT_FLOAT_EQ(seen_width, 0);
  EXPECT_FLOAT_EQ(form.ScaleHeight(), 0);
  EXPECT_EQ(form.SetWidth(8400), Outcome::kRejected);
  ShowWindow(form.hwnd(), SW_RESTORE);
  DrainMessages();
  EXPECT_FLOAT_EQ(seen_width, 11145);
}

TEST(Form, ClosingRaisesUnloadAndEndsTheMessageLoop) {
  QuitPosted();
  TestForm form;
  ASSERT_TRUE(form.CreateDefault());
  form.ControlsCreated();
  SendMessageW(form.hwnd(), WM_CLOSE, 0, 0);
  EXPECT_EQ(form.unloads, 1);
  EXPECT_EQ(form.hwnd(), nullptr);
  EXPECT_TRUE(QuitPosted());
}

TEST(Form, DestroyingTheObjectDoesNotEndTheMessageLoop) {
  QuitPosted();
  HWND hwnd = nullptr;
  {
    TestForm form;
    ASSERT_TRUE(form.CreateDefault());
    form.ControlsCreated();
    hwnd = form.hwnd();
  }
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_FALSE(QuitPosted());
}

}  // namespace
