#include "win32/window_dpi.h"

#include "win32/system_library.h"

namespace zel {

namespace {

// MDT_EFFECTIVE_DPI of shellscalingapi.h, which MinGW's headers lack.
constexpr int kEffectiveDpi = 0;

template <class Fn>
Fn User32Function(const char* name) {
  return LibraryFunction<Fn>(GetModuleHandleW(L"user32.dll"), name);
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 0;
  if (screen) ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

int MonitorDpi(HWND hwnd) {
  using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  // shcore.dll stays loaded: the monitor is asked again at every window's start.
  static const HMODULE shcore = LoadSystemLibrary(L"shcore.dll");
  static const auto get = LibraryFunction<GetDpiForMonitorFn>(shcore, "GetDpiForMonitor");
  UINT x = 0, y = 0;
  if (!get || FAILED(get(MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), kEffectiveDpi, &x, &y)))
    return 0;
  return static_cast<int>(x);
}

}  // namespace

int WindowDpi(HWND hwnd) {
  using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
  static const auto get = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
  if (get && hwnd) {
    if (const UINT dpi = get(hwnd)) return static_cast<int>(dpi);
  }
  if (const int dpi = MonitorDpi(hwnd)) return dpi;
  return ScreenDpi();
}

int SystemDpi() {
  using GetDpiForSystemFn = UINT(WINAPI*)();
  static const auto get = User32Function<GetDpiForSystemFn>("GetDpiForSystem");
  if (get) {
    if (const UINT dpi = get()) return static_cast<int>(dpi);
  }
  return ScreenDpi();
}

int SystemMetricForDpi(int index, int dpi) {
  using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
  static const auto get = User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
  if (get) return get(index, static_cast<UINT>(dpi));
  const int system = SystemDpi();
  const int value = GetSystemMetrics(index);
  return dpi == system ? value : MulDiv(value, dpi, system);
}

RECT SystemFrameForDpi(DWORD style, DWORD ex_style, int dpi) {
  using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
  static const auto adjust = User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
  RECT frame{0, 0, 0, 0};
  if (adjust && adjust(&frame, style, FALSE, ex_style, static_cast<UINT>(dpi))) return frame;
  AdjustWindowRectEx(&frame, style, FALSE, ex_style);
  const int system = SystemDpi();
  if (dpi != system) {
    frame = {MulDiv(frame.left, dpi, system), MulDiv(frame.top, dpi, system),
             MulDiv(frame.right, dpi, system), MulDiv(frame.bottom, dpi, system)};
  }
  return frame;
}

}  // namespace zel
