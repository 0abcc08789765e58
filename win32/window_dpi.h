// What the system says about resolutions, asked of the newest interface it has:
// each of these calls exists only from some Windows version on, so all are found
// at run time.
#pragma once

#include <windows.h>

namespace zel {

// The DPI a window is shown at: GetDpiForWindow (Windows 10 1607 on), else its
// monitor's (GetDpiForMonitor, 8.1 on), else the screen's LOGPIXELSX (Windows 7).
int WindowDpi(HWND hwnd);
// The DPI of a window not made yet: the system's (GetDpiForSystem), else the screen's.
int SystemDpi();
// A system metric at `dpi`: GetSystemMetricsForDpi where it exists; before that
// GetSystemMetrics, which answers at the system's DPI, scaled to `dpi`.
int SystemMetricForDpi(int index, int dpi);
// The system's frame around a client area of `style` at `dpi` (AdjustWindowRectEx's
// insets, negative left and top): AdjustWindowRectExForDpi where it exists.
RECT SystemFrameForDpi(DWORD style, DWORD ex_style, int dpi);

}  // namespace zel
