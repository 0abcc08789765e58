// The real main window for the layout and window-command tests, with helpers
// to read back where its child windows are.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/message_pump.h"
#include "support/window_list.h"
#include "viewer/frm_main.h"

namespace layout_test {

// Lets pending messages and paints run, and Wine put the windows on the screen.
inline void Settle(int rounds = 5) {
  zeltest::PumpMessages(std::chrono::milliseconds(40 * rounds));
}

using zeltest::RectInParent;
using zeltest::WindowText;

struct Place {
  int x, y, cx, cy;
  bool operator==(const Place&) const = default;
};

inline Place PlaceOf(HWND hwnd) {
  const RECT r = RectInParent(hwnd);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

inline std::ostream& operator<<(std::ostream& os, const Place& p) {
  return os << "(" << p.x << ", " << p.y << ", " << p.cx << " x " << p.cy << ")";
}

inline std::string Narrow(const std::wstring& s) {
  std::string out;
  for (wchar_t c : s) out += c < 128 ? static_cast<char>(c) : '?';
  return out;
}

// "optStyle(3)" or "picMain".
inline std::wstring FullName(const zel::Control& c) {
  std::wstring name = c.Name();
  if (c.Index()) name += L"(" + std::to_wstring(*c.Index()) + L")";
  return name;
}

inline RECT OuterRect(const frmMain& form) { return zeltest::WindowRect(form.hwnd()); }

// The main window created as at start, not yet shown.
class MainWindow : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(form.Create()); }
  void ShowAndSettle() {
    form.Show();
    SetForegroundWindow(form.hwnd());
    Settle();
  }
  HWND picMain() const { return form.picMain.hwnd(); }
  frmMain form;
};

}  // namespace layout_test
