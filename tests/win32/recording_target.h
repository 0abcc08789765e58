// A window's object for the binding tests: it records what its window sends it
// and leaves every message to the default.
#pragma once

#include <algorithm>
#include <vector>

#include "win32/window_target.h"

namespace win32_test {

class RecordingTarget : public zel::WindowTarget {
 public:
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) override {
    seen.push_back(msg);
    return zel::DefaultTargetProc(hwnd, msg, wparam, lparam);
  }
  void OnWindowGone() override { ++gone; }
  bool Saw(UINT msg) const { return std::find(seen.begin(), seen.end(), msg) != seen.end(); }

  std::vector<UINT> seen;
  int gone = 0;  // how often it was told of its window's end
};

}  // namespace win32_test
