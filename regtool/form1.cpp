#include "regtool/form1.h"

namespace zelreg {
namespace {

constexpr wchar_t kClassName[] = L"ZelregForm1";
constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kExStyle = WS_EX_WINDOWEDGE;

int ScreenDpi(int index) {
  HDC screen = GetDC(nullptr);
  int dpi = screen ? GetDeviceCaps(screen, index) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

// Outer size of a window whose client area is `client_w` × `client_h`.
SIZE FrameSize(int client_w, int client_h) {
  RECT r{0, 0, client_w, client_h};
  AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

LRESULT CALLBACK Form1Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_GETMINMAXINFO: {
      // The design client area is 0 high: let the window be as short as its frame.
      auto* info = reinterpret_cast<MINMAXINFO*>(lp);
      info->ptMinTrackSize.y = FrameSize(0, 0).cy;
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int TwipsToPixelsX(int twips) { return MulDiv(twips, ScreenDpi(LOGPIXELSX), 1440); }
int TwipsToPixelsY(int twips) { return MulDiv(twips, ScreenDpi(LOGPIXELSY), 1440); }

HWND CreateForm1(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = Form1Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = kClassName;
  if (!RegisterClassExW(&wc)) return nullptr;

  SIZE size = FrameSize(TwipsToPixelsX(kClientWidthTwips), TwipsToPixelsY(kClientHeightTwips));
  return CreateWindowExW(kExStyle, kClassName, kForm1Caption, kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                         size.cx, size.cy, nullptr, nullptr, instance, nullptr);
}

}  // namespace zelreg
