// Attachment: which messages are asked for, what a second attach or a detach does,
// hidden and MDI child windows, and the release of every handle.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "mdi_windows.h"
#include "skin/frame_parts.h"
#include "skin_test_support.h"
#include "subclass/replacement_proc.h"

namespace skin_test {
namespace {

using zel::frame::kNcUahDrawCaption;
using zel::frame::kNcUahDrawFrame;

constexpr DWORD kVisible = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
constexpr UINT kFrameMessages[] = {
    WM_NCCALCSIZE,      WM_NCPAINT,          WM_NCACTIVATE,  WM_NCLBUTTONDOWN,  WM_NCLBUTTONUP,
    WM_NCLBUTTONDBLCLK, WM_NCHITTEST,        WM_SETCURSOR,   WM_INITMENU,       WM_INITMENUPOPUP,
    WM_STYLECHANGED,    WM_SETTEXT,          WM_ACTIVATEAPP, kNcUahDrawCaption, kNcUahDrawFrame,
    WM_SETICON,         WM_WINDOWPOSCHANGED, WM_DESTROY};

void ExpectHooked(HWND h, bool mdi_child) {
  for (UINT msg : kFrameMessages) EXPECT_EQ(ClientCount(h, msg), 1) << "message " << msg;
  EXPECT_EQ(ClientCount(h, WM_SIZE), mdi_child ? 1 : 0);
  EXPECT_EQ(AttachCount(h), mdi_child ? 19 : 18);
}

void ExpectNotHooked(HWND h) {
  for (UINT msg : kFrameMessages) EXPECT_EQ(ClientCount(h, msg), 0) << "message " << msg;
  EXPECT_EQ(ClientCount(h, WM_SIZE), 0);
  EXPECT_EQ(AttachCount(h), 0);
}

LONG_PTR ProcOf(HWND h) { return GetWindowLongPtrW(h, GWLP_WNDPROC); }

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

TEST(Attach, WithoutBothPicturesLeavesTheWindowAlone) {
  TestWindow w(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
  const LONG_PTR proc = ProcOf(w.hwnd());
  const int props = PropertyCount(w.hwnd());
  const RECT client = w.ClientInWindow();
  Skin skin;
  for (int which = 0; which < 3; ++which) {
    cNeoClass neo;
    if (which == 1) neo.p_Caption(MakePicture(160, 32, CaptionPixel));
    if (which == 2) neo.p_Borders(MakePicture(42, 6, BordersPixel));
    neo.Attach(w);
    EXPECT_EQ(ProcOf(w.hwnd()), proc);
    EXPECT_EQ(PropertyCount(w.hwnd()), props);
    EXPECT_TRUE(SameRect(w.ClientInWindow(), client));
    EXPECT_EQ(w.refreshCalls, 0);
  }
}

TEST(Attach, PropertiesReadBackAndTheUnusedHeightsChangeNothing) {
  cNeoClass neo;
  EXPECT_FALSE(neo.p_Caption());
  EXPECT_EQ(neo.p_LeftEnd(), 0);
  EXPECT_EQ(neo.p_BorderHasInactive(), 0);
  neo.p_BorderHasInactive(1);
  EXPECT_EQ(neo.p_BorderHasInactive(), -1);
  neo.p_ControlHasInactive(-1);
  EXPECT_EQ(neo.p_ControlHasInactive(), -1);
  neo.p_ControlButtonPosition(0);
  EXPECT_EQ(neo.p_ControlButtonPosition(), 0);

  // The whole description takes its flags as the single setters do.
  FrameDescription truthy{};
  truthy.BorderHasInactive = 1;
  truthy.ControlHasInactive = 2;
  truthy.ControlButtonPosition = -7;
  neo.p_Description(truthy);
  EXPECT_EQ(neo.p_BorderHasInactive(), -1);
  EXPECT_EQ(neo.p_ControlHasInactive(), -1);
  EXPECT_EQ(neo.p_ControlButtonPosition(), -1);

  Skin skin;
  skin.ApplyTo(neo);
  EXPECT_EQ(neo.p_Description(), skin.Description());
  zel::Picture caption = MakePicture(160, 32, CaptionPixel);
  neo.p_Caption(caption);
  EXPECT_TRUE(neo.p_Caption() == caption);  // the same picture, not a copy
  neo.p_TopBorderHeight(77);
  neo.p_BottomBorderHeight(-3);
  EXPECT_EQ(neo.p_TopBorderHeight(), 77);
  EXPECT_EQ(neo.p_BottomBorderHeight(), -3);
  EXPECT_EQ(neo.p_RightEnd(), skin.rightEnd);
  EXPECT_EQ(neo.p_Offset(), skin.offset);
  EXPECT_EQ(neo.p_ButtonWidth(), skin.buttonWidth);
  // The single setters write the same description.
  FrameDescription expected = skin.Description();
  expected.TopBorderHeight = 77;
  expected.BottomBorderHeight = -3;
  EXPECT_EQ(neo.p_Description(), expected);

  TestWindow w(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
  neo.Attach(w);
  const RECT insets = skin.Insets();
  EXPECT_TRUE(SameRect(w.ClientInWindow(),
                       RECT{insets.left, insets.top, 300 - insets.right, 200 - insets.bottom}));
}

TEST(Attach, SecondAttachToTheSameWindowAsksForNoMessageAgainButRereadsThePictures) {
  TestWindow w(kVisible, 100, 100, 300, 200);
  cNeoClass neo;
  Skin skin;
  skin.ApplyTo(neo);
  neo.Attach(w);
  ExpectHooked(w.hwnd(), false);
  EXPECT_EQ(w.refreshCalls, 1);

  // Same sizes, other pixels: the caption now shows the borders pattern.
  neo.p_Caption(MakePicture(160, 32, BordersPixel));
  neo.Attach(w);
  ExpectHooked(w.hwnd(), false);
  EXPECT_EQ(w.refreshCalls, 2);
  SendMessageW(w.hwnd(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(ReadWindow(w.hwnd()).at(3, 2), BordersPixel(3, 2));
}

TEST(Attach, AttachingToAnotherWindowGivesTheFirstOneBack) {
  TestWindow a(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
  TestWindow b(WS_OVERLAPPEDWINDOW, 120, 120, 300, 200);
  const LONG_PTR proc_a = ProcOf(a.hwnd());
  cNeoClass neo;
  Skin{}.ApplyTo(neo);
  neo.Attach(a);
  EXPECT_NE(ProcOf(a.hwnd()), proc_a);
  neo.Attach(b);
  EXPECT_EQ(ProcOf(a.hwnd()), proc_a);
  ExpectNotHooked(a.hwnd());
  ExpectHooked(b.hwnd(), false);
}

TEST(Attach, HiddenWindowIsHookedAndRecalculatedButNotActivated) {
  TestWindow front(kVisible, 500, 400, 200, 150);
  SetForegroundWindow(front.hwnd());
  PumpFor(50);
  TestWindow w(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
  cNeoClass neo;
  Skin skin;
  skin.ApplyTo(neo);
  neo.Attach(w);
  ExpectHooked(w.hwnd(), false);
  const RECT insets = skin.Insets();
  EXPECT_TRUE(SameRect(w.ClientInWindow(),
                       RECT{insets.left, insets.top, 300 - insets.right, 200 - insets.bottom}));
  EXPECT_EQ(w.Count(WM_NCACTIVATE), 0);
  EXPECT_EQ(GetForegroundWindow(), front.hwnd());

  // Shown without activation, it is drawn inactive until its first WM_NCACTIVATE.
  ShowWindow(w.hwnd(), SW_SHOWNA);
  PumpFor(50);
  ASSERT_EQ(w.Count(WM_NCACTIVATE), 0);
  SendMessageW(w.hwnd(), WM_NCPAINT, 1, 0);
  EXPECT_EQ(ReadWindow(w.hwnd()).at(2, 2), CaptionPixel(skin.offset + 2, 2));
  SendMessageW(w.hwnd(), WM_NCACTIVATE, TRUE, 0);
  EXPECT_EQ(ReadWindow(w.hwnd()).at(2, 2), CaptionPixel(2, 2));
}

TEST(Attach, DetachGivesBackTheWindowProcedureAndTheStandardFrame) {
  TestWindow w(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
  const LONG_PTR proc = ProcOf(w.hwnd());
  const int props = PropertyCount(w.hwnd());
  const RECT standard = w.ClientInWindow();
  cNeoClass neo;
  Skin{}.ApplyTo(neo);
  neo.Attach(w);
  SendMessageW(w.hwnd(), WM_NCHITTEST, 0, 0);
  EXPECT_EQ(w.Count(WM_NCHITTEST), 0);  // answered by the frame alone

  neo.Window_Detach();
  EXPECT_EQ(ProcOf(w.hwnd()), proc);
  EXPECT_EQ(PropertyCount(w.hwnd()), props);
  SendMessageW(w.hwnd(), WM_NCHITTEST, 0, 0);
  EXPECT_EQ(w.Count(WM_NCHITTEST), 1);
  SetWindowPos(w.hwnd(), nullptr, 0, 0, 0, 0,
               SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
  EXPECT_TRUE(SameRect(w.ClientInWindow(), standard));
  neo.Window_Detach();  // detaching twice is harmless
}

TEST(Attach, DestroyingTheWindowDetachesAfterItsOwnProcedureRan) {
  cNeoClass neo;
  Skin{}.ApplyTo(neo);
  auto w = std::make_unique<TestWindow>(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
  neo.Attach(*w);
  w->Destroy();
  EXPECT_EQ(w->Count(WM_DESTROY), 1);
  EXPECT_EQ(w->procAtNcDestroy, TestWindow::OwnProc());
  // The object is detached and can be attached again.
  TestWindow other(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
  neo.Attach(other);
  ExpectHooked(other.hwnd(), false);
}

// The skinned window stays Unicode: a caption outside the ANSI code page (1252
// under LANG=C, which CTest sets for this program) comes back whole.
TEST(Attach, SkinnedWindowStaysUnicodeAndKeepsACaptionOutsideTheCodePage) {
  ASSERT_EQ(GetACP(), 1252u) << "run this program with LANG=C";
  TestWindow w(kVisible, 100, 100, 300, 200);
  ASSERT_TRUE(IsWindowUnicode(w.hwnd()));
  cNeoClass neo;
  Skin{}.ApplyTo(neo);
  neo.Attach(w);
  ExpectHooked(w.hwnd(), false);
  EXPECT_TRUE(IsWindowUnicode(w.hwnd()));

  const std::wstring caption = L"中央电视台";
  EXPECT_TRUE(SetWindowTextW(w.hwnd(), caption.c_str()));
  EXPECT_EQ(w.Count(WM_SETTEXT), 1);  // through the frame to the own procedure
  wchar_t read[32] = {};
  GetWindowTextW(w.hwnd(), read, 32);
  EXPECT_EQ(std::wstring(read), caption);

  neo.Window_Detach();
  EXPECT_TRUE(IsWindowUnicode(w.hwnd()));
  GetWindowTextW(w.hwnd(), read, 32);
  EXPECT_EQ(std::wstring(read), caption);
}

// MDI children also ask for WM_SIZE.
TEST(Attach, MdiChildAlsoAsksForWmSize) {
  MdiWindows mdi;
  ASSERT_TRUE(mdi.child);
  MdiChildForm form(mdi.child);
  cNeoClass neo;
  Skin{}.ApplyTo(neo);
  neo.Attach(form);
  ExpectHooked(mdi.child, true);
  neo.Window_Detach();
  ExpectNotHooked(mdi.child);
}

TEST(Attach, SurfacesGoWithTheObject) {
  TestWindow w(kVisible, 100, 100, 300, 200);
  auto neo = std::make_unique<cNeoClass>();
  Skin{}.ApplyTo(*neo);
  neo->Attach(w);
  SendMessageW(w.hwnd(), WM_NCPAINT, 1, 0);
  HGDIOBJ handles[2 * cNeoClass::Surface_Count];
  for (int i = 0; i < cNeoClass::Surface_Count; ++i) {
    handles[2 * i] = neo->Surface_At(i).Dc();
    handles[2 * i + 1] = neo->Surface_At(i).Bitmap();
    EXPECT_EQ(GetObjectType(handles[2 * i]), static_cast<DWORD>(OBJ_MEMDC)) << "surface " << i;
    EXPECT_EQ(GetObjectType(handles[2 * i + 1]), static_cast<DWORD>(OBJ_BITMAP)) << "surface " << i;
  }
  EXPECT_EQ(neo->Surface_At(0).Height(), 32);
  EXPECT_GE(neo->Surface_At(2).Width(), 300);
  EXPECT_GE(neo->Surface_At(3).Height(), 201);
  EXPECT_GE(neo->Surface_At(4).Width(), 301);
  neo.reset();
  for (HGDIOBJ handle : handles) EXPECT_EQ(GetObjectType(handle), 0u);
}

TEST(Attach, ThousandsOfAttachPaintAndDestroyCyclesLeaveNoGdiObjectNorProcedure) {
  TestWindow w(kVisible, 100, 100, 300, 200);
  // A fresh object painting a window of a changing size.
  auto paint_cycle = [&](int i) {
    cNeoClass neo;
    Skin{}.ApplyTo(neo);
    neo.Attach(w);
    SetWindowPos(w.hwnd(), nullptr, 0, 0, 300 + i % 40, 200 + i % 30,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(w.hwnd(), WM_NCPAINT, 1, 0);
  };
  // A window destroyed while attached, then the object.
  auto destroy_cycle = [] {
    TestWindow h(WS_OVERLAPPEDWINDOW, 100, 100, 200, 150);
    cNeoClass neo;
    Skin{}.ApplyTo(neo);
    neo.Attach(h);
    h.Destroy();
  };
  paint_cycle(0);
  destroy_cycle();
  PumpFor(20);
  const int before = LiveGdiObjects();
  const size_t procedures = zel::subclass_thunk::LiveReplacementProcs();
  for (int i = 1; i <= 300; ++i) paint_cycle(i);
  for (int i = 0; i < 2000; ++i) destroy_cycle();
  PumpFor(20);
  EXPECT_EQ(LiveGdiObjects(), before);
  EXPECT_EQ(zel::subclass_thunk::LiveReplacementProcs(), procedures);
}

// Which messages the window's own procedure still sees, and how often.
TEST(Attach, FrameMessagesReachTheOwnProcedureAsRouted) {
  TestWindow w(kVisible, 100, 100, 300, 200);
  cNeoClass neo;
  Skin{}.ApplyTo(neo);
  neo.Attach(w);
  PumpFor(50);
  struct Route {
    UINT msg;
    WPARAM wParam;
    int ownCalls;
  };
  const Route routes[] = {
      {WM_NCHITTEST, 0, 0},    {WM_NCPAINT, 1, 0},     {WM_NCACTIVATE, 1, 1},
      {WM_ACTIVATEAPP, 1, 1},  {WM_NCLBUTTONUP, 0, 1}, {WM_INITMENU, 0, 1},
      {WM_NCCALCSIZE, 0, 1},   {WM_SIZE, 0, 1},        {kNcUahDrawCaption, 0, 0},
      {kNcUahDrawFrame, 0, 0},
  };
  for (const Route& r : routes) {
    RECT scratch{100, 100, 400, 300};
    const LPARAM l = r.msg == WM_NCCALCSIZE ? reinterpret_cast<LPARAM>(&scratch) : 0;
    const int before = w.Count(r.msg);
    const LRESULT result = SendMessageW(w.hwnd(), r.msg, r.wParam, l);
    EXPECT_EQ(w.Count(r.msg) - before, r.ownCalls) << "message " << r.msg;
    if (r.msg == WM_ACTIVATEAPP || r.msg == WM_NCLBUTTONUP || r.msg == WM_INITMENU ||
        r.msg == kNcUahDrawCaption || r.msg == kNcUahDrawFrame) {
      EXPECT_EQ(result, 0) << "message " << r.msg;
    }
  }
}

}  // namespace
}  // namespace skin_test
