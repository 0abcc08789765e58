// A bare form for the form layer's tests, and helpers to let Wine deliver messages.
#pragma once

#include <windows.h>

#include <functional>

#include "forms/controls.h"
#include "support/test_form.h"
#include "support/message_pump.h"
#include "support/window_list.h"

namespace zel_test {

using TestForm = zeltest::TestForm;

using zeltest::DrainMessages;
using zeltest::RectInParent;

// Lets pending paints run and Wine copy the window surfaces to the screen.
inline void SettleScreen() {
  for (int i = 0; i < 4; ++i) {
    DrainMessages();
    Sleep(40);
  }
  DrainMessages();
}

// Reads a pixel of a window's client area as drawn on the screen.
inline COLORREF ClientPixel(HWND hwnd, int x, int y) {
  SettleScreen();
  POINT pt{x, y};
  ClientToScreen(hwnd, &pt);
  return GetPixel(zel::WindowDc().dc(), pt.x, pt.y);
}

}  // namespace zel_test
