// Zelreg: has the system register the tabbed-dialog and common-controls libraries silently,
// then shows its empty window until the user closes it.
#include <windows.h>

#include "regtool/form1.h"
#include "regtool/registration.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  zelreg::Form1 form1;
  if (!form1.Create()) return 1;
  const HWND form = form1.hwnd();

  // Loading the form starts the commands, before the window is first shown.
  if (auto failure = zelreg::StartRegistrations()) {
    MessageBoxW(nullptr, zelreg::DescribeFailure(*failure).c_str(), zelreg::kForm1Caption,
                MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
    return 2;
  }

  ShowWindow(form, show);
  UpdateWindow(form);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
