// A bare window: the least a windowed program does before it shows. The
// start-up benchmark's floor; it links nothing of ours.
#include <windows.h>

#include "plain_window.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  HWND hwnd = startup_bench::CreatePlainWindow(instance, L"ZelBareWindow", L"Bare window",
                                               WS_OVERLAPPEDWINDOW);
  if (!hwnd) return 1;
  ShowWindow(hwnd, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
