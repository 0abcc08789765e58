// A bare form for the form layer's tests, and helpers to let Wine deliver messages.
#pragma once

#include <windows.h>

#include <functional>

#include "forms/controls.h"

namespace zel_test {

class TestForm : public zel::Form {
 public:
  using zel::Form::ControlsCreated;
  using zel::Form::CreateForm;

  bool CreateDefault(float client_width = 6000, float client_height = 4500) {
    zel::FormDesign design;
    design.caption = L"form test";
    design.client_width = client_width;
    design.client_height = client_height;
    design.font = {L"Tahoma", 8.25f};
    return CreateForm(design);
  }

  int resizes = 0;
  int unloads = 0;
  std::function<void()> on_resize;

 protected:
  void OnResize() override {
    ++resizes;
    if (on_resize) on_resize();
  }
  void OnUnload() override { ++unloads; }
};

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
  HDC screen = GetDC(nullptr);
  const COLORREF color = GetPixel(screen, pt.x, pt.y);
  ReleaseDC(nullptr, screen);
  return color;
}

}  // namespace zel_test
