// The start-up benchmark's two comparison windows: a window of the platform's
// default procedure at the viewer's design size, which ends the program when closed.
#pragma once

#include <windows.h>

namespace startup_bench {

inline LRESULT CALLBACK PlainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// Registers `class_name` and creates the window, hidden; null when it cannot.
inline HWND CreatePlainWindow(HINSTANCE instance, const wchar_t* class_name, const wchar_t* title,
                              DWORD style) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = PlainWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = class_name;
  RegisterClassW(&wc);
  return CreateWindowExW(0, class_name, title, style, CW_USEDEFAULT, CW_USEDEFAULT, 751, 392,
                         nullptr, nullptr, instance, nullptr);
}

}  // namespace startup_bench
