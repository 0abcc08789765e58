// The pictures drawn for each scale agree with the frame metrics of that scale,
// and a window moved to a screen of another resolution follows it both ways.
#include <gtest/gtest.h>

#include "graphics/image_decoder.h"
#include "layout_support.h"
#include "viewer/picture_scale.h"
#include "viewer/resource_ids.h"
#include "viewer/skin_resource_ids.h"
#include "viewer/style_presets.h"
#include "win32/window_target.h"

namespace layout_test {
namespace {

SIZE BitmapSize(int id) {
  HANDLE bitmap = LoadImageW(zel::ThisModule(), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, 0);
  BITMAP bm{};
  GetObjectW(bitmap, sizeof(bm), &bm);
  DeleteObject(bitmap);
  return {bm.bmWidth, bm.bmHeight};
}

TEST(PictureScales, EverySetHoldsThePresetsRelationsAtItsScale) {
  for (int set = 0; set < static_cast<int>(zel::kPictureScales.size()); ++set) {
    const int percent = zel::kPictureScales[set];
    auto scaled = [percent](int v) { return zel::ScaleBy(v, percent, 100); };
    for (const zel::StylePreset& preset : zel::StylePresets()) {
      SCOPED_TRACE(testing::Message() << percent << " %, style " << preset.style);
      const FrameDescription f = zel::ScaledFrame(preset.frame, percent);
      if (percent == 100) {
        EXPECT_EQ(f, preset.frame);
      }
      const zel::Picture caption =
          zel::LoadPictureResource(zel::ThisModule(), SkinPictureId(set, preset.CaptionIndex()));
      const zel::Picture borders =
          zel::LoadPictureResource(zel::ThisModule(), SkinPictureId(set, preset.BordersIndex()));
      EXPECT_EQ(caption.Height(), 2 * f.ButtonHeight);
      EXPECT_EQ(caption.Width(), f.RightEnd + 4 * f.ButtonWidth);
      EXPECT_EQ(f.ActiveRight, f.LeftEnd + 1);
      EXPECT_EQ(borders.Width(), 7 * f.LeftBorderWidth);
      EXPECT_EQ(borders.Height(), f.LeftBorderWidth);
      EXPECT_EQ(f.RightBorderWidth, f.LeftBorderWidth);
      // Primary lengths are the presets' own, scaled once (not dependents rounded alone).
      EXPECT_EQ(f.ButtonOffsetX, scaled(preset.frame.ButtonOffsetX));
      EXPECT_EQ(f.RightEnd, scaled(preset.frame.RightEnd));
    }
    const SIZE narrow = BitmapSize(IDB_BAR_NARROW + IDB_BAR_SET_STRIDE * set);
    const SIZE widen = BitmapSize(IDB_BAR_WIDEN + IDB_BAR_SET_STRIDE * set);
    EXPECT_EQ(narrow.cx, scaled(10));
    EXPECT_EQ(narrow.cy, scaled(401));
    EXPECT_EQ(widen.cx, scaled(9));
    EXPECT_EQ(widen.cy, scaled(403));
  }
  // The largest set not above the scale; never one above it.
  EXPECT_EQ(zel::PictureScaleFor(zel::Dpi(72)), 100);
  EXPECT_EQ(zel::PictureScaleFor(zel::Dpi(119)), 100);
  EXPECT_EQ(zel::PictureScaleFor(zel::Dpi(120)), 125);
  EXPECT_EQ(zel::PictureScaleFor(zel::Dpi(168)), 150);
  EXPECT_EQ(zel::PictureScaleFor(zel::Dpi(192)), 200);
  EXPECT_EQ(zel::PictureScaleFor(zel::Dpi(288)), 200);
}

// The window's frame widths (left, top, right, bottom), read from its client area.
RECT FrameInsets(HWND hwnd) {
  RECT window{}, client{};
  GetWindowRect(hwnd, &window);
  GetClientRect(hwnd, &client);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&client), 2);
  return {client.left - window.left, client.top - window.top, window.right - client.right,
          window.bottom - client.bottom};
}

LONG FontHeight(HWND hwnd) {
  LOGFONTW lf{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0)), sizeof(lf), &lf);
  return lf.lfHeight;
}

TEST_F(MainWindow, MovingToAScreenOfAnotherResolutionAndBack) {
  ShowAndSettle();
  form.Set_Skin(2);
  Settle();
  const RECT start = OuterRect(form);
  const Place tree = PlaceOf(form.TreeView1.hwnd());
  const LONG tree_font = FontHeight(form.TreeView1.hwnd());

  // 150 %: the system suggests a rectangle 1.5 times as large.
  const RECT large{start.left, start.top, start.left + 1124, start.top + 582};
  SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&large));
  Settle();
  EXPECT_EQ(form.FormDpi().Dots(), 144);
  EXPECT_EQ(form.PictureScale(), 150);
  const RECT at144 = OuterRect(form);
  EXPECT_TRUE(EqualRect(&at144, &large));
  const RECT insets = FrameInsets(form.hwnd());
  EXPECT_EQ(insets.left, 9);
  EXPECT_EQ(insets.top, 48);
  EXPECT_EQ(insets.right, 9);
  EXPECT_EQ(insets.bottom, 9);
  EXPECT_EQ(form.Skin()->p_Caption().Height(), 48);
  EXPECT_EQ(PlaceOf(form.TreeView1.hwnd()), (Place{0, 0, 230, 542}));
  EXPECT_EQ(FontHeight(form.TreeView1.hwnd()), -18);

  // And back at 96 DPI: everything as it was.
  SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&start));
  Settle();
  EXPECT_EQ(form.FormDpi().Dots(), 96);
  EXPECT_EQ(form.PictureScale(), 100);
  const RECT at96 = OuterRect(form);
  EXPECT_TRUE(EqualRect(&at96, &start));
  const RECT design = FrameInsets(form.hwnd());
  EXPECT_EQ(design.left, 6);
  EXPECT_EQ(design.top, 32);
  EXPECT_EQ(form.Skin()->p_Caption().Height(), 32);
  EXPECT_EQ(PlaceOf(form.TreeView1.hwnd()), tree);
  EXPECT_EQ(FontHeight(form.TreeView1.hwnd()), tree_font);
}

}  // namespace
}  // namespace layout_test
