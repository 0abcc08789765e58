// A bare form for the form layer's tests, and helpers to let Wine deliver messages.
#pragma once

#include <windows.h>

#include <functional>

#include "forms/controls.h"
#include "support/test_form.h"

namespace zel_test {

using TestForm = zeltest::TestForm;

inline void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

inline RECT RectInParent(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  MapWindowPoints(nullptr, GetParent(hwnd), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// Lets pending paints run and Wine copy the window surfaces to the screen.
inline void SettleScreen() {
  for (int i = 0; i < 4; ++i) {
    PumpMessages();
    Sleep(40);
  }
  PumpMessages();
}

// Reads a pixel of a window's client area as drawn on the screen.
inline COLORREF ClientPixel(HWND hwnd, int x, int y) {
  SettleScreen();
  POINT pt{x, y};
  ClientToScreen(hwnd, &pt);
  return GetPixel(zel::WindowDc().dc(), pt.x, pt.y);
}

}  // namespace zel_test
