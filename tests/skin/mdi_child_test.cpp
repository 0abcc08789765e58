// A skinned MDI child in a real MDI frame: while maximized it has no frame of its
// own, so the skin neither paints it nor recomputes its edges.
#include <gtest/gtest.h>

#include "mdi_windows.h"
#include "skin_test_support.h"

namespace skin_test {
namespace {

int Width(HWND h) {
  RECT r{};
  GetWindowRect(h, &r);
  return r.right - r.left;
}

// The client area's left inset within the window.
int LeftInset(HWND h) {
  RECT client{}, window{};
  GetClientRect(h, &client);
  MapWindowPoints(h, nullptr, reinterpret_cast<POINT*>(&client), 2);
  GetWindowRect(h, &window);
  return client.left - window.left;
}

void FrameChanged(HWND h) {
  SetWindowPos(h, nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

TEST(MdiChildFrame, MaximizedChildIsNeitherPaintedNorResizedByTheSkin) {
  MdiWindows mdi;
  ASSERT_TRUE(mdi.child);
  MdiChildForm form(mdi.child);
  cNeoClass neo;
  Skin skin;
  skin.ApplyTo(neo);
  neo.Attach(form);
  PumpFor(50);
  ASSERT_TRUE(IsWindowVisible(mdi.child));
  EXPECT_EQ(LeftInset(mdi.child), skin.tile);

  // Restored: a paint composes the caption in a buffer as wide as the window,
  // and a frame change applies a new edge width.
  SetWindowPos(mdi.child, nullptr, 0, 0, 400, 250, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(mdi.child, WM_NCPAINT, 1, 0);
  EXPECT_GE(neo.Surface_At(2).Width(), 400);
  neo.p_LeftBorderWidth(9);
  FrameChanged(mdi.child);
  EXPECT_EQ(LeftInset(mdi.child), 9);

  // Maximized: neither maximizing, a paint nor a size change paints, and the
  // edges keep the width last computed.
  const int buffer_width = neo.Surface_At(2).Width();
  SendMessageW(mdi.client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(mdi.child), 0);
  PumpFor(50);
  ASSERT_TRUE(IsZoomed(mdi.child));
  ASSERT_GT(Width(mdi.child), buffer_width);  // a paint would have to grow the buffer
  SendMessageW(mdi.child, WM_NCPAINT, 1, 0);
  SendMessageW(mdi.child, WM_SIZE, SIZE_MAXIMIZED, 0);
  EXPECT_EQ(neo.Surface_At(2).Width(), buffer_width);
  neo.p_LeftBorderWidth(12);
  FrameChanged(mdi.child);
  EXPECT_EQ(LeftInset(mdi.child), 9);

  // Restored again, the skin sizes and paints it.
  SendMessageW(mdi.client, WM_MDIRESTORE, reinterpret_cast<WPARAM>(mdi.child), 0);
  PumpFor(50);
  ASSERT_FALSE(IsZoomed(mdi.child));
  EXPECT_EQ(LeftInset(mdi.child), 12);
  SetWindowPos(mdi.child, nullptr, 0, 0, buffer_width + 20, 250,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SendMessageW(mdi.child, WM_NCPAINT, 1, 0);
  EXPECT_GE(neo.Surface_At(2).Width(), buffer_width + 20);
  neo.Window_Detach();
}

}  // namespace
}  // namespace skin_test
