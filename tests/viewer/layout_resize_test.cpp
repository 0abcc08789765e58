// Form_Resize on the real window: picMain and its border follow the client
// area, rejected statements are skipped, every control is refreshed in order.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "layout_support.h"
#include "support/window_list.h"

namespace layout_test {
namespace {

TEST_F(MainWindow, DesignSizeGivesPicMainAndBorderTwoTwipsInside) {
  ShowAndSettle();
  EXPECT_FLOAT_EQ(form.picMain.Width(), 11143);
  EXPECT_FLOAT_EQ(form.picMain.Height(), 5443);
  EXPECT_FLOAT_EQ(form.picMain.Left(), 0);
  EXPECT_FLOAT_EQ(form.picMain.Top(), 0);
  EXPECT_FLOAT_EQ(form.spBorder.Width(), 11139);
  EXPECT_FLOAT_EQ(form.spBorder.Height(), 5439);
  EXPECT_FLOAT_EQ(form.spBorder.Left(), 2);
  EXPECT_FLOAT_EQ(form.spBorder.Top(), 2);
  EXPECT_EQ(PlaceOf(picMain()), (Place{0, 0, 743, 363}));
}

TEST_F(MainWindow, ResizeFollowsTheClientAreaAtOtherSizes) {
  ShowAndSettle();
  ASSERT_EQ(form.SetHeight(9000), zel::Outcome::kDone);
  const float client_height = form.ScaleHeight();
  EXPECT_FLOAT_EQ(form.picMain.Height(), client_height - 2);
  EXPECT_FLOAT_EQ(form.spBorder.Height(), client_height - 6);
  EXPECT_FLOAT_EQ(form.picMain.Width(), 11143);
}

// Stands in for the browser's reload, which sends no request under Wine.
struct BrowserRefreshes {
  explicit BrowserRefreshes(frmMain& form) {
    form.WebBrowser1.SetRefreshAction([this] {
      ++count;
      return true;
    });
  }
  int count = 0;
};

TEST_F(MainWindow, MinimisedWindowSkipsTheRejectedSizesAndRunsTheRest) {
  ShowAndSettle();
  BrowserRefreshes browser(form);
  // Places that only the later statements put right.
  form.picMain.SetLeft(300);
  form.picMain.SetTop(150);
  form.spBorder.SetTop(90);
  form.spBorder.SetWidth(10);
  ShowWindow(form.hwnd(), SW_MINIMIZE);
  Settle();
  ASSERT_TRUE(IsIconic(form.hwnd()));
  ASSERT_FLOAT_EQ(form.ScaleWidth(), 0);
  // -2 x -2 is refused: the size stays.
  EXPECT_FLOAT_EQ(form.picMain.Width(), 11143);
  EXPECT_FLOAT_EQ(form.picMain.Height(), 5443);
  // Everything after it ran.
  EXPECT_FLOAT_EQ(form.picMain.Left(), 0);
  EXPECT_FLOAT_EQ(form.picMain.Top(), 0);
  EXPECT_FLOAT_EQ(form.spBorder.Width(), 11139);
  EXPECT_FLOAT_EQ(form.spBorder.Top(), 2);
  EXPECT_GE(browser.count, 1);
  const int minimised = browser.count;
  ShowWindow(form.hwnd(), SW_RESTORE);
  Settle();
  EXPECT_GT(browser.count, minimised);
  EXPECT_EQ(PlaceOf(picMain()), (Place{0, 0, 743, 363}));
}

// Records the paints of every window of the main window under the name of the
// control it belongs to (a hosted control's inner windows count as the control).
class PaintRecorder {
 public:
  explicit PaintRecorder(frmMain& form) {
    for (zel::Control* c : form.Controls()) {
      if (!c->hwnd()) continue;
      Watch(c->hwnd(), FullName(*c));
      // Inner windows of hosted controls; the form layer's own are listed already.
      if (dynamic_cast<zel::ActiveXControl*>(c))
        for (HWND child : zeltest::ChildWindows(c->hwnd())) Watch(child, FullName(*c));
    }
  }
  ~PaintRecorder() {
    for (auto& [hwnd, name] : names_) RemoveWindowSubclass(hwnd, Proc, 0);
  }
  void Record(const std::wstring& name) {
    if (recording && (log.empty() || log.back() != name)) log.push_back(name);
  }

  bool recording = false;
  std::vector<std::wstring> log;  // repeated paints in a row count once

 private:
  void Watch(HWND hwnd, const std::wstring& name) {
    names_[hwnd] = name;
    SetWindowSubclass(hwnd, Proc, 0, reinterpret_cast<DWORD_PTR>(this));
  }
  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                               DWORD_PTR self) {
    if (msg == WM_PAINT) {
      auto* recorder = reinterpret_cast<PaintRecorder*>(self);
      recorder->Record(recorder->names_[hwnd]);
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
  }
  std::map<HWND, std::wstring> names_;
};

// True when `wanted` appears within `log` in the same order.
bool InOrderWithin(const std::vector<std::wstring>& wanted, const std::vector<std::wstring>& log) {
  size_t at = 0;
  for (const std::wstring& entry : log)
    if (at < wanted.size() && entry == wanted[at]) ++at;
  return at == wanted.size();
}

TEST_F(MainWindow, EveryResizeRefreshesEveryControlInControlOrder) {
  ShowAndSettle();
  // Tall enough that the style chooser and the scriptlet are in view and paint.
  ASSERT_EQ(form.SetHeight(12750), zel::Outcome::kDone);
  Settle();
  PaintRecorder paints(form);
  form.WebBrowser1.SetRefreshAction([&] {
    paints.Record(L"WebBrowser1 reload");
    return true;
  });
  // spBorder is drawn by picMain: its refresh repaints picMain. The image
  // holders are hidden and paint nothing.
  std::vector<std::wstring> expected = {L"picMain",   L"TreeView1",          L"Image2", L"Image1",
                                        L"wmp1",      L"WebBrowser1 reload", L"Label1", L"picMain",
                                        L"fmMain(0)", L"Picture1(0)"};
  for (int i = 0; i < 7; ++i) expected.push_back(L"optStyle(" + std::to_wstring(i) + L")");
  expected.push_back(L"Scriptlet1");

  Settle();
  paints.log.clear();
  paints.recording = true;
  ASSERT_EQ(form.SetWidth(8400), zel::Outcome::kDone);
  paints.recording = false;
  EXPECT_EQ(paints.log, expected);

  // Widening uncovers the browser, which then also paints by itself.
  Settle();
  paints.log.clear();
  paints.recording = true;
  ASSERT_EQ(form.SetWidth(11260), zel::Outcome::kDone);
  paints.recording = false;
  EXPECT_TRUE(InOrderWithin(expected, paints.log)) << testing::PrintToString(paints.log);
}

TEST_F(MainWindow, ChildControlsKeepTheirDesignPlacesAtEverySize) {
  ShowAndSettle();
  std::map<HWND, Place> design;
  for (const zel::Control* c : form.Controls())
    if (c->hwnd() && c != &form.picMain) design[c->hwnd()] = PlaceOf(c->hwnd());
  ASSERT_GE(design.size(), 30u);

  auto check = [&](const char* when) {
    SCOPED_TRACE(when);
    for (auto& [hwnd, place] : design) EXPECT_EQ(PlaceOf(hwnd), place);
  };
  form.SetWidth(8400);
  check("narrow");
  form.SetHeight(12000);
  check("tall");
  form.SetWidth(11260);
  check("wide");
  ShowWindow(form.hwnd(), SW_MINIMIZE);
  Settle();
  check("minimised");
  ShowWindow(form.hwnd(), SW_RESTORE);
  Settle();
  check("restored");
}

}  // namespace
}  // namespace layout_test
