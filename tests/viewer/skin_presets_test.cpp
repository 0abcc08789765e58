#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "graphics/gdi.h"
#include "skin/frame_input.h"
#include "subclass/property_registry.h"
#include "subclass/replacement_proc.h"
#include "support/freed_memory.h"
#include "viewer/style_presets.h"
#include "support/screen_capture.h"
#include "support/frame_description_print.h"
#include "support/wine_path.h"
#include "viewer_fixture.h"

namespace {

using namespace std::chrono_literals;
using zeltest::StartedViewer;

class SkinPresets : public StartedViewer {
 protected:
  void Click(int16_t index) {
    form.optStyle(index).SetValue(true);
    zeltest::PumpMessages(100ms);
  }

  // The frame object holds exactly the row's values.
  void ExpectFrameOf(int16_t style) {
    const zel::StylePreset& row = zel::StylePresets()[style];
    const cNeoClass* skin = form.Skin();
    ASSERT_NE(skin, nullptr);
    EXPECT_TRUE(skin->p_Caption() == form.picResource(static_cast<int16_t>(2 * style)).Picture());
    EXPECT_TRUE(skin->p_Borders() ==
                form.picResource(static_cast<int16_t>(2 * style + 1)).Picture());
    EXPECT_EQ(skin->p_Description(), row.frame);
    // The values every style shares.
    EXPECT_EQ(skin->p_BorderHasInactive(), 0);
    EXPECT_EQ(skin->p_ControlHasInactive(), -1);
    EXPECT_EQ(skin->p_ControlButtonPosition(), -1);
    EXPECT_EQ(skin->p_Offset(), 0);
    // The pictures have the sizes the metrics are measured against.
    const zel::Picture caption = skin->p_Caption();
    EXPECT_EQ(caption.Width(), row.frame.RightEnd + 4 * row.frame.ButtonWidth);
    EXPECT_EQ(caption.Height(), 2 * row.frame.ButtonHeight);
    EXPECT_EQ(skin->p_Borders().Width(), 7 * row.frame.LeftBorderWidth);
    EXPECT_EQ(skin->p_Borders().Height(), row.frame.LeftBorderWidth);
  }

  // Every tagged control carries the style's colours, read back by name.
  void ExpectColoursOf(int16_t style) {
    const zel::StylePreset& row = zel::StylePresets()[style];
    int tagged = 0;
    for (zel::Control* c : form.Controls()) {
      if (c->Tag() != L"xb") continue;
      ++tagged;
      EXPECT_EQ(c->GetColorProperty(L"BackColor"), std::optional<zel::OleColor>(row.BackColor))
          << tagged;
      if (c != &form.spBorder) {
        EXPECT_EQ(c->GetColorProperty(L"ForeColor"), std::optional<zel::OleColor>(row.ForeColor))
            << tagged;
      }
    }
    EXPECT_EQ(tagged, 11);
  }

  // The client area is inset by the skin's edges: the style's frame is on the window.
  void ExpectFrameGeometryOf(int16_t style) {
    const zel::StylePreset& row = zel::StylePresets()[style];
    RECT window{}, client{};
    GetWindowRect(form.hwnd(), &window);
    GetClientRect(form.hwnd(), &client);
    POINT origin{0, 0};
    ClientToScreen(form.hwnd(), &origin);
    EXPECT_EQ(origin.x - window.left, row.frame.LeftBorderWidth);
    EXPECT_EQ(origin.y - window.top, 2 * row.frame.ButtonHeight);
    EXPECT_EQ(window.right - (origin.x + client.right), row.frame.RightBorderWidth);
    EXPECT_EQ(window.bottom - (origin.y + client.bottom), row.frame.LeftBorderWidth);
  }

  // The client area is inset as the system's own frame insets it.
  void ExpectStandardFrame() {
    RECT window{}, frame{0, 0, 0, 0};
    GetWindowRect(form.hwnd(), &window);
    AdjustWindowRectEx(&frame, GetWindowLongW(form.hwnd(), GWL_STYLE), FALSE,
                       GetWindowLongW(form.hwnd(), GWL_EXSTYLE));
    POINT origin{0, 0};
    ClientToScreen(form.hwnd(), &origin);
    EXPECT_EQ(origin.x - window.left, -frame.left);
    EXPECT_EQ(origin.y - window.top, -frame.top);
  }
};

TEST_F(SkinPresets, StartSelectsFrostAndFramesTheWindowWithIt) {
  EXPECT_TRUE(form.optStyle(0).Value());
  for (int16_t i = 1; i < 7; ++i) EXPECT_FALSE(form.optStyle(i).Value());
  EXPECT_TRUE(IsWindowUnicode(form.hwnd()));  // skinned, and still Unicode
  ExpectFrameOf(2);
  ExpectColoursOf(2);
  EXPECT_EQ(form.spBorder.BorderWidth(), 1);
  EXPECT_EQ(form.spBorder.BorderColor(), 0x00999999u);
  ExpectFrameGeometryOf(2);

  // The frame on the screen is cut from the Frost pictures: the caption's left
  // end and the left edge, pixel for pixel.
  RedrawWindow(form.hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  zeltest::PumpMessages(200ms);
  zeltest::Capture shown = zeltest::CaptureWindow(form.hwnd());
  zeltest::Capture caption = zeltest::CaptureBitmap(form.picResource(4).Picture().Handle());
  zeltest::Capture borders = zeltest::CaptureBitmap(form.picResource(5).Picture().Handle());
  int wrong = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 250; ++x) wrong += shown.At(x, y) != caption.At(x, y);
  for (int y = 32; y < shown.height - 6; ++y)
    for (int x = 0; x < 6; ++x) wrong += shown.At(x, y) != borders.At(x, (y - 32) % 6);
  EXPECT_EQ(wrong, 0);
}

// The skinned window's region is a plain rectangle of the window's own size, so
// the themed frame's rounded corners never cut the skin, also after the guide
// bar has narrowed or widened the window.
TEST_F(SkinPresets, WindowRegionIsTheWindowsRectangleAtEveryWidth) {
  auto expect_region_is_the_window = [&] {
    const zel::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(form.hwnd(), region.get()), SIMPLEREGION);
    RECT box{}, window{};
    GetRgnBox(region.get(), &box);
    GetWindowRect(form.hwnd(), &window);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
    EXPECT_EQ(box.right, window.right - window.left);
    EXPECT_EQ(box.bottom, window.bottom - window.top);
  };
  expect_region_is_the_window();
  RECT start{};
  GetWindowRect(form.hwnd(), &start);
  form.Image2_Click();  // narrower
  zeltest::PumpMessages(100ms);
  RECT narrow{};
  GetWindowRect(form.hwnd(), &narrow);
  ASSERT_LT(narrow.right - narrow.left, start.right - start.left);
  expect_region_is_the_window();
  form.Image1_Click();  // wider again
  zeltest::PumpMessages(100ms);
  expect_region_is_the_window();
}

TEST_F(SkinPresets, EveryOptionAppliesItsStyleAndOnlyOptionsZeroAndTwoSwap) {
  const int16_t expected[] = {2, 1, 0, 3, 4, 5, 6};
  for (int16_t index = 6; index >= 0; --index) {
    SCOPED_TRACE(index);
    Click(index);
    ExpectFrameOf(expected[index]);
    ExpectColoursOf(expected[index]);
    ExpectFrameGeometryOf(expected[index]);
  }
}

TEST_F(SkinPresets, SameStyleTwiceGivesTheSameFrameAndColours) {
  Click(4);
  Click(4);
  ExpectFrameOf(4);
  ExpectColoursOf(4);
  ExpectFrameGeometryOf(4);
}

TEST_F(SkinPresets, BorderShapeTakesBackgroundButHasNoTextColourAndTheWalkGoesOn) {
  Click(5);
  EXPECT_EQ(form.spBorder.GetColorProperty(L"ForeColor"), std::nullopt);
  EXPECT_EQ(form.spBorder.BackColor(), std::optional<zel::OleColor>(0x00D5C8C2));
  // Controls after the shape in control order are coloured too.
  EXPECT_EQ(form.fmMain(0).ForeColor(), std::optional<zel::OleColor>(0x00B57144));
  EXPECT_EQ(form.optStyle(6).ForeColor(), std::optional<zel::OleColor>(0x00B57144));
}

TEST_F(SkinPresets, StylesWithoutBorderValuesLeaveTheShapeAsItWas) {
  Click(6);  // Hybrid
  EXPECT_EQ(form.spBorder.BorderWidth(), 0);
  EXPECT_EQ(form.spBorder.BorderColor(), 0x00D5C8C2u);
  Click(3);  // Ocean
  EXPECT_EQ(form.spBorder.BorderWidth(), 0);
  EXPECT_EQ(form.spBorder.BorderColor(), 0x00D5C8C2u);
  Click(2);  // Midnight
  EXPECT_EQ(form.spBorder.BorderWidth(), 0);
  ExpectColoursOf(0);
}

TEST_F(SkinPresets, StyleNumbersOutsideTheTableChangeNothing) {
  const cNeoClass* before = form.Skin();
  form.Set_Skin(7);
  form.Set_Skin(-1);
  form.optStyle_Click(7);
  form.optStyle_Click(-1);
  EXPECT_EQ(form.Skin(), before);
  ExpectFrameOf(2);
  ExpectColoursOf(2);
}

// A style click dispatched from the frame's drag loop releases the frame object
// whose handler runs that loop; the object must stay until the handler is done.
namespace in_drag {
frmMain* form = nullptr;
const void* old_skin = nullptr;
bool held = false;
bool clicked = false;
bool freed_inside = false;
DWORD give_up = 0;

// The primary button stays down until the style click (or a time limit).
SHORT WINAPI HeldUntilClicked(int) {
  return held && GetTickCount() < give_up ? static_cast<SHORT>(0x8000) : 0;
}

VOID CALLBACK ClickStyle(HWND hwnd, UINT, UINT_PTR id, DWORD) {
  KillTimer(hwnd, id);
  form->optStyle(1).SetValue(true);
  clicked = true;
  freed_inside = zeltest::WasFreed(old_skin);
  held = false;
}
}  // namespace in_drag

TEST_F(SkinPresets, StyleClickFromInsideTheDragLoopFreesTheOldFrameOnlyAfterItsHandler) {
  in_drag::form = &form;
  in_drag::old_skin = form.Skin();
  zeltest::WatchFree(in_drag::old_skin);
  RECT wr{};
  GetWindowRect(form.hwnd(), &wr);
  const LPARAM caption = MAKELPARAM(wr.left + 200, wr.top + 10);
  ASSERT_EQ(SendMessageW(form.hwnd(), WM_NCHITTEST, 0, caption), HTCAPTION);

  zel::frame_input::Input().getAsyncKeyState = &in_drag::HeldUntilClicked;
  in_drag::held = true;
  in_drag::give_up = GetTickCount() + 5000;
  SetTimer(form.hwnd(), 77, 50, &in_drag::ClickStyle);
  SendMessageW(form.hwnd(), WM_NCLBUTTONDOWN, HTCAPTION, caption);
  zel::frame_input::ResetInputCalls();

  ASSERT_TRUE(in_drag::clicked) << "the drag loop did not run the click";
  EXPECT_FALSE(in_drag::freed_inside);
  EXPECT_TRUE(zeltest::WasFreed(in_drag::old_skin));
  // The new frame object takes the next frame messages.
  EXPECT_EQ(SendMessageW(form.hwnd(), WM_NCHITTEST, 0, caption), HTCAPTION);
  SendMessageW(form.hwnd(), WM_NCACTIVATE, TRUE, 0);
  SendMessageW(form.hwnd(), WM_NCPAINT, 1, 0);
  zeltest::PumpMessages(100ms);
  ExpectFrameOf(1);
  ExpectFrameGeometryOf(1);
}

LPVOID WINAPI NoCodeMemory(LPVOID, SIZE_T, DWORD, DWORD) {
  SetLastError(ERROR_NOT_ENOUGH_MEMORY);
  return nullptr;
}

// No memory for the engine's code: start-up and the style clicks go on, and the
// window keeps the system's frame.
class SkinWithoutCodeMemory : public SkinPresets {
 protected:
  void SetUp() override {
    zel::subclass_registry::Platform().virtualAlloc = &NoCodeMemory;
    SkinPresets::SetUp();
  }
  void TearDown() override { zel::subclass_registry::ResetPlatformCalls(); }
};

TEST_F(SkinWithoutCodeMemory, StartAndStyleClicksGoOnWithTheStandardFrame) {
  EXPECT_EQ(SendMessageW(form.TreeView1.hwnd(), TVM_GETCOUNT, 0, 0), 185);
  EXPECT_EQ(form.Skin(), nullptr);
  ExpectStandardFrame();
  Click(4);
  EXPECT_EQ(form.Skin(), nullptr);
  ExpectColoursOf(4);
  ExpectStandardFrame();

  zel::subclass_registry::ResetPlatformCalls();
  Click(1);
  ExpectFrameOf(1);
  ExpectFrameGeometryOf(1);
}

// Every GDI object of a released frame object is gone, or reused by its successor,
// and so is its replacement window procedure.
TEST_F(SkinPresets, AThousandStyleChangesLeaveNoHandleBehind) {
  auto handlesOf = [](const cNeoClass& skin) {
    std::set<HGDIOBJ> handles;
    for (int i = 0; i < cNeoClass::Surface_Count; ++i) {
      if (skin.Surface_At(i).Dc()) handles.insert(skin.Surface_At(i).Dc());
      if (skin.Surface_At(i).Bitmap()) handles.insert(skin.Surface_At(i).Bitmap());
    }
    return handles;
  };
  std::vector<HBITMAP> pictures;
  for (int16_t i = 0; i < 14; ++i) pictures.push_back(form.picResource(i).Picture().Handle());
  int leaked = 0, checked = 0;
  const size_t procedures = zel::subclass_thunk::LiveReplacementProcs();
  for (int n = 0; n < 1000; ++n) {
    std::set<HGDIOBJ> old = handlesOf(*form.Skin());
    form.Set_Skin(static_cast<int16_t>(n % 7));
    if (n % 50 == 0) zeltest::PumpMessages(10ms);
    std::set<HGDIOBJ> now = handlesOf(*form.Skin());
    for (HGDIOBJ h : old) {
      ++checked;
      if (!now.count(h) && GetObjectType(h) != 0) ++leaked;
    }
  }
  EXPECT_GT(checked, 1000);
  EXPECT_EQ(leaked, 0);
  EXPECT_EQ(zel::subclass_thunk::LiveReplacementProcs(), procedures);
  for (HBITMAP p : pictures) EXPECT_EQ(GetObjectType(p), static_cast<DWORD>(OBJ_BITMAP));
  // Still painting correctly: back to Frost, pixel-checked like at start.
  form.Set_Skin(2);
  ExpectFrameOf(2);
  ExpectFrameGeometryOf(2);
  RedrawWindow(form.hwnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
  zeltest::PumpMessages(200ms);
  zeltest::Capture shown = zeltest::CaptureWindow(form.hwnd());
  zeltest::Capture caption = zeltest::CaptureBitmap(form.picResource(4).Picture().Handle());
  int wrong = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 250; ++x) wrong += shown.At(x, y) != caption.At(x, y);
  EXPECT_EQ(wrong, 0);
}

// One picture per skin, for people to look at: <build>/screenshots/skin-<name>.png.
TEST_F(SkinPresets, ScreenshotOfEachSkin) {
  const std::wstring dir = zeltest::WinePath(ZEL_SCREENSHOT_DIR);
  CreateDirectoryW(dir.c_str(), nullptr);
  for (int16_t index = 0; index < 7; ++index) {
    Click(index);
    const zel::StylePreset& row = *zel::FindStylePreset(*zel::StyleForOption(index));
    RedrawWindow(form.hwnd(), nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    zeltest::PumpMessages(700ms);
    std::wstring name = row.name;
    for (wchar_t& ch : name)
      if (ch == L' ') ch = L'-';
    const std::wstring file = dir + L"\\skin-" + name + L".png";
    EXPECT_TRUE(zeltest::SavePng(file, zeltest::CaptureWindow(form.hwnd()))) << index;
    EXPECT_NE(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
  }
}

}  // namespace
