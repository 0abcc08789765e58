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

// What the window shows at one resolution.
struct AtResolution {
  int dpi, picture_scale;
  RECT insets;  // frame widths: left, top, right, bottom
  int caption_height;
  Place tree;
  LONG tree_font;
};

// Sends WM_DPICHANGED with `rect`; the window takes it and shows `want`.
void ExpectMovedTo(frmMain& form, const RECT& rect, const AtResolution& want) {
  SCOPED_TRACE(testing::Message() << want.dpi << " DPI");
  SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(want.dpi, want.dpi),
               reinterpret_cast<LPARAM>(&rect));
  Settle();
  EXPECT_EQ(form.FormDpi().Dots(), want.dpi);
  EXPECT_EQ(form.PictureScale(), want.picture_scale);
  const RECT outer = OuterRect(form);
  EXPECT_TRUE(EqualRect(&outer, &rect));
  const RECT insets = FrameInsets(form.hwnd());
  EXPECT_EQ(insets.left, want.insets.left);
  EXPECT_EQ(insets.top, want.insets.top);
  EXPECT_EQ(insets.right, want.insets.right);
  EXPECT_EQ(insets.bottom, want.insets.bottom);
  EXPECT_EQ(form.Skin()->p_Caption().Height(), want.caption_height);
  EXPECT_EQ(PlaceOf(form.TreeView1.hwnd()), want.tree);
  EXPECT_EQ(FontHeight(form.TreeView1.hwnd()), want.tree_font);
}

TEST_F(MainWindow, MovingToAScreenOfAnotherResolutionAndBack) {
  ShowAndSettle();
  form.Set_Skin(2);
  Settle();
  const RECT start = OuterRect(form);
  const AtResolution design{96,
                            100,
                            {6, 32, 6, 6},
                            32,
                            PlaceOf(form.TreeView1.hwnd()),
                            FontHeight(form.TreeView1.hwnd())};

  // 150 %: the system suggests a rectangle 1.5 times as large.
  const RECT large{start.left, start.top, start.left + 1124, start.top + 582};
  ExpectMovedTo(form, large, {144, 150, {9, 48, 9, 9}, 48, {0, 0, 230, 542}, -18});
  // And back at 96 DPI: everything as it was.
  ExpectMovedTo(form, start, design);
}

}  // namespace
}  // namespace layout_test
