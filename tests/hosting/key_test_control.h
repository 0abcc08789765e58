// A small in-process ActiveX control for the hosting tests. Made in place, it
// creates one child window of its own inside the host window; its in-place
// object answers S_OK for the keys it is told to handle and records every
// message it is offered.
#pragma once

#include <windows.h>

#include <vector>

namespace hosting_test {

// What the keyboard did, as seen by one test.
struct KeyLog {
  std::vector<WPARAM> handled_keys;  // the virtual keys the control takes
  std::vector<MSG> offered;          // every TranslateAccelerator call
  std::vector<MSG> received;         // keyboard messages its window received
  HWND window = nullptr;             // the control's own window, once in place
};

// A window that records the keyboard messages it receives into `received`
// (none when null).
HWND CreateKeyWindow(HWND parent, std::vector<MSG>* received, DWORD style, int x, int y, int cx,
                     int cy);

// Registers the control's class object for the life of the scope; the
// controls made meanwhile report to `log`.
class TestControlClass {
 public:
  explicit TestControlClass(KeyLog& log);
  ~TestControlClass();
  TestControlClass(const TestControlClass&) = delete;
  TestControlClass& operator=(const TestControlClass&) = delete;

  bool registered() const { return cookie_ != 0; }
  // The "{CLSID}" a host creates the control by.
  static const wchar_t kClsid[];

 private:
  DWORD cookie_ = 0;
};

}  // namespace hosting_test
