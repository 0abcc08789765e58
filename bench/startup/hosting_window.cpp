// One window hosting the viewer's three controls (the media player and two web
// browsers, the second standing where the viewer's scriptlet falls back to one)
// through the same ATL host window, at the viewer's places: what the controls
// themselves cost a start.
#include <windows.h>

#include "hosting/activex_host.h"
#include "plain_window.h"
#include "win32/message_loop.h"
#include "win32/ole_apartment.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  zel::OleApartment apartment;
  HWND hwnd = startup_bench::CreatePlainWindow(instance, L"ZelHostingWindow", L"Hosting window",
                                               WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN);
  if (!hwnd) return 1;
  zel::ActiveXHost player, browser, scriptlet;
  player.Create(hwnd, 160, 0, 393, 361, L"{6BF52A52-394A-11D3-B153-00C04F79FAA6}");
  browser.Create(hwnd, 552, 0, 193, 441, L"Shell.Explorer.2");
  scriptlet.Create(hwnd, 176, 416, 89, 25, L"Shell.Explorer.2");
  ShowWindow(hwnd, SW_SHOW);
  return zel::RunMessageLoop();
}
