// A window that the object which made it destroys with itself.
#pragma once

#include <windows.h>

#include <utility>

#include "win32/window_target.h"

namespace zel {

// Destroying first takes the window's messages away from the object it is bound
// to, if any (DetachTarget), so that none reaches an object on its way out, then
// destroys the window if it is still there (a child window may have gone with
// its parent).
class OwnedWindow {
 public:
  OwnedWindow() = default;
  ~OwnedWindow() { Destroy(); }
  OwnedWindow(const OwnedWindow&) = delete;
  OwnedWindow& operator=(const OwnedWindow&) = delete;

  HWND get() const { return hwnd_; }
  explicit operator bool() const { return hwnd_ != nullptr; }

  // Owns `hwnd` from now on; another window owned so far is destroyed. Taking the
  // same window again changes nothing: a new window's first messages may have
  // handed it to its object before its creation returned.
  void Take(HWND hwnd) {
    if (hwnd == hwnd_) return;
    Destroy();
    hwnd_ = hwnd;
  }
  // The window went without us (WM_NCDESTROY): forget it.
  void Forget() { hwnd_ = nullptr; }
  void Destroy() {
    const HWND hwnd = std::exchange(hwnd_, nullptr);
    if (!hwnd) return;
    DetachTarget(hwnd);
    if (IsWindow(hwnd)) DestroyWindow(hwnd);
  }

 private:
  HWND hwnd_ = nullptr;
};

}  // namespace zel
