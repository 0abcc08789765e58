// Form1: the tool's only window, a sizable top-level window with an empty client area.
#pragma once

#include <windows.h>

#include "win32/owned_window.h"
#include "win32/window_target.h"

namespace zelreg {

inline constexpr wchar_t kForm1Caption[] = L"Zelreg";
inline constexpr int kClientWidthTwips = 4680;
inline constexpr int kClientHeightTwips = 0;

class Form1 : private zel::WindowTarget {
 public:
  Form1() = default;
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  // Creates the window hidden, at the system's default position; false on failure.
  bool Create();
  HWND hwnd() const { return window_.get(); }

 private:
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) override;
  void OnWindowGone() override { window_.Forget(); }

  zel::OwnedWindow window_;
};

}  // namespace zelreg
