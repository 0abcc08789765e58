#include "regtool/form1.h"

#include "graphics/dpi.h"
#include "win32/window_dpi.h"

namespace zelreg {
namespace {

constexpr DWORD kStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kExStyle = WS_EX_WINDOWEDGE;

// Outer size of a window whose client area is `client_w` × `client_h`.
SIZE FrameSize(int client_w, int client_h) {
  RECT r{0, 0, client_w, client_h};
  AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

}  // namespace

bool Form1::Create() {
  const zel::Dpi dpi(zel::SystemDpi());
  const SIZE size =
      FrameSize(dpi.TwipsToPixels(kClientWidthTwips), dpi.TwipsToPixels(kClientHeightTwips));
  const zel::TargetClass window_class{L"ZelregForm1", reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
  window_.Take(zel::CreateTargetWindow(this, window_class, kExStyle, kStyle, kForm1Caption,
                                       CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, nullptr));
  return window_.get() != nullptr;
}

LRESULT Form1::OnMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (!window_) window_.Take(hwnd);  // messages of CreateWindowEx arrive before it returns
  switch (msg) {
    case WM_GETMINMAXINFO: {
      // The design client area is 0 high: let the window be as short as its frame.
      auto* info = reinterpret_cast<MINMAXINFO*>(lparam);
      info->ptMinTrackSize.y = FrameSize(0, 0).cy;
      return 0;
    }
    case WM_DPICHANGED: {
      // Moved to a screen of another resolution: the size the system suggests.
      const auto* r = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(hwnd, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return zel::DefaultTargetProc(hwnd, msg, wparam, lparam);
}

}  // namespace zelreg
