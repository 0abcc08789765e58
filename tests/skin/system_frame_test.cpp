// What keeps the system's own frame off a skinned window where Windows has a
// compositor and themes: the compositor attributes set at attach, the themed
// caption messages, the redraw lock around the window's own procedure and a
// rectangular window region.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "graphics/gdi.h"
#include "skin/frame_compositor.h"
#include "skin/frame_parts.h"
#include "skin_test_support.h"
#include "win32/system_library.h"

namespace skin_test {
namespace {

namespace compositor = zel::frame_compositor;
constexpr DWORD kVisible = WS_OVERLAPPEDWINDOW | WS_VISIBLE;

struct AttributeCall {
  HWND hwnd;
  DWORD attribute;
  DWORD value;
  int calcSizesSeen;  // WM_NCCALCSIZE the window had received at the call
};
std::vector<AttributeCall> g_attributes;
const TestWindow* g_window = nullptr;

HRESULT WINAPI RecordAttribute(HWND hwnd, DWORD attribute, LPCVOID value, DWORD size) {
  const DWORD v = size == sizeof(DWORD) ? *static_cast<const DWORD*>(value) : ~0u;
  g_attributes.push_back({hwnd, attribute, v, g_window->Count(WM_NCCALCSIZE)});
  return E_INVALIDARG;  // as older Windows answer: the frame must not care
}

std::vector<std::wstring> g_loads;
HMODULE WINAPI LoaderWithoutDwmapi(LPCWSTR name, HANDLE file, DWORD flags) {
  g_loads.push_back(name);
  if (std::wstring(name).find(L"dwmapi") != std::wstring::npos) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return nullptr;
  }
  return LoadLibraryExW(name, file, flags);
}

void ExpectWholeFrame(const Skin& skin, const TestWindow& w, bool active) {
  const Comparison c = Compare(ExpectedFrame(skin, StateOf(w.hwnd(), active)), ReadWindow(w.hwnd()),
                               w.ClientInWindow());
  EXPECT_GT(c.compared, 1500);
  EXPECT_EQ(c.mismatches, 0) << c.report;
}

TEST(FrameCompositor, AttachTurnsTheCompositorFrameOffBeforeTheFrameChange) {
  compositor::Compositor().setWindowAttribute = &RecordAttribute;
  g_attributes.clear();
  TestWindow w(WS_OVERLAPPEDWINDOW, 100, 100, 300, 200);
  g_window = &w;
  cNeoClass neo;
  Skin skin;
  skin.ApplyTo(neo);
  neo.Attach(w);
  const int calcSizes = w.Count(WM_NCCALCSIZE);
  const RECT insets = skin.Insets();
  const RECT client = w.ClientInWindow();
  neo.Window_Detach();  // the policy is not put back
  compositor::ResetCompositorCalls();
  g_window = nullptr;

  ASSERT_EQ(g_attributes.size(), 2u);
  EXPECT_EQ(g_attributes[0].attribute, compositor::kNcRenderingPolicy);
  EXPECT_EQ(g_attributes[0].value, compositor::kNcRenderingDisabled);
  EXPECT_EQ(g_attributes[1].attribute, compositor::kWindowCornerPreference);
  EXPECT_EQ(g_attributes[1].value, compositor::kCornerDoNotRound);
  for (const AttributeCall& call : g_attributes) {
    EXPECT_EQ(call.hwnd, w.hwnd());
    EXPECT_LT(call.calcSizesSeen, calcSizes);
  }
  // Both calls failed, and the frame took its sizes all the same.
  EXPECT_EQ(client.left, insets.left);
  EXPECT_EQ(client.top, insets.top);
}

TEST(FrameCompositor, WithoutDwmapiTheFrameIsDrawnAsUsual) {
  g_loads.clear();
  compositor::ResetCompositorCalls();  // an earlier attach may have loaded it
  zel::Loader().loadLibraryEx = &LoaderWithoutDwmapi;
  TestWindow w(kVisible, 100, 100, 300, 200);
  cNeoClass neo;
  Skin skin;
  skin.ApplyTo(neo);
  neo.Attach(w);
  zel::ResetLoaderCalls();
  compositor::ResetCompositorCalls();
  EXPECT_TRUE(std::any_of(g_loads.begin(), g_loads.end(), [](const std::wstring& name) {
    return name.find(L"dwmapi.dll") != std::wstring::npos;
  }));
  SendMessageW(w.hwnd(), WM_NCACTIVATE, TRUE, 0);
  ExpectWholeFrame(skin, w, true);
}

class SystemCaption : public testing::Test {
 protected:
  void SetUp() override {
    skin_.ApplyTo(neo_);
    neo_.Attach(window_);
    SendMessageW(window_.hwnd(), WM_NCACTIVATE, TRUE, 0);
    window_.ownCalls.clear();
  }
  // The calls of `msg` that reached the window's own procedure.
  std::vector<TestWindow::OwnCall> OwnCalls(UINT msg) const {
    std::vector<TestWindow::OwnCall> calls;
    for (const auto& call : window_.ownCalls)
      if (call.msg == msg) calls.push_back(call);
    return calls;
  }
  HWND hwnd() const { return window_.hwnd(); }

  Skin skin_;
  TestWindow window_{kVisible, 100, 100, 300, 200};
  cNeoClass neo_;
};

TEST_F(SystemCaption, ThemedCaptionMessagesAreAnsweredByTheFrameAlone) {
  const Image before = ReadWindow(hwnd());
  for (UINT msg : {zel::frame::kNcUahDrawCaption, zel::frame::kNcUahDrawFrame}) {
    EXPECT_EQ(SendMessageW(hwnd(), msg, 0, 0), 0);
    EXPECT_TRUE(OwnCalls(msg).empty()) << "message " << msg;
  }
  EXPECT_EQ(ReadWindow(hwnd()).pixels, before.pixels);
}

TEST_F(SystemCaption, ActivationReachesTheOwnProcedureOnceWithoutVisibilityOrPaint) {
  for (BOOL active : {FALSE, TRUE}) {
    SCOPED_TRACE(active ? "active" : "inactive");
    const LONG style = GetWindowLongW(hwnd(), GWL_STYLE);
    window_.ownCalls.clear();
    SendMessageW(hwnd(), WM_NCACTIVATE, active, 0);
    const auto calls = OwnCalls(WM_NCACTIVATE);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].lParam, -1);
    EXPECT_EQ(calls[0].style & WS_VISIBLE, 0);
    EXPECT_EQ(GetWindowLongW(hwnd(), GWL_STYLE), style);
    ExpectWholeFrame(skin_, window_, active);
  }
}

TEST_F(SystemCaption, TextIconAndMenuChangeWhileTheSystemCannotPaint) {
  const LONG style = GetWindowLongW(hwnd(), GWL_STYLE);
  const HICON icon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_INFORMATION));
  SetWindowTextW(hwnd(), L"Programme guide");
  SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  SendMessageW(hwnd(), WM_INITMENU, 0, 0);
  for (UINT msg : {WM_SETTEXT, WM_SETICON, WM_INITMENU}) {
    const auto calls = OwnCalls(msg);
    ASSERT_EQ(calls.size(), 1u) << "message " << msg;
    EXPECT_EQ(calls[0].style & WS_VISIBLE, 0) << "message " << msg;
  }
  EXPECT_EQ(GetWindowLongW(hwnd(), GWL_STYLE), style);
  wchar_t text[64] = {};
  GetWindowTextW(hwnd(), text, 64);
  EXPECT_STREQ(text, L"Programme guide");
  EXPECT_EQ(reinterpret_cast<HICON>(SendMessageW(hwnd(), WM_GETICON, ICON_SMALL, 0)), icon);
  ExpectWholeFrame(skin_, window_, true);
}

// The region's bounding box and kind; kind is ERROR when the window has none.
int RegionOf(HWND hwnd, RECT* box) {
  const zel::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  const int kind = GetWindowRgn(hwnd, region.get());
  GetRgnBox(region.get(), box);
  return kind;
}

TEST(FrameRegion, IsTheWindowsRectangleAtEverySizeUntilDetach) {
  TestWindow w(kVisible, 100, 100, 300, 200);
  cNeoClass neo;
  Skin{}.ApplyTo(neo);
  neo.Attach(w);
  for (SIZE size : {SIZE{300, 200}, SIZE{420, 260}, SIZE{180, 320}}) {
    SetWindowPos(w.hwnd(), nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT box{};
    EXPECT_EQ(RegionOf(w.hwnd(), &box), SIMPLEREGION);
    EXPECT_EQ(box.right - box.left, size.cx);
    EXPECT_EQ(box.bottom - box.top, size.cy);
    EXPECT_EQ(box.left, 0);
    EXPECT_EQ(box.top, 0);
  }
  neo.Window_Detach();
  RECT box{};
  EXPECT_EQ(RegionOf(w.hwnd(), &box), ERROR);
}

}  // namespace
}  // namespace skin_test
