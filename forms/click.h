// Click recognition shared by the clickable windowed kinds: a press and a
// release of the left button inside the control.
#pragma once

#include <windows.h>

#include <functional>

namespace zel {

// Handles WM_LBUTTONDOWN/UP/WM_CAPTURECHANGED for `hwnd`; returns true when the
// message was one of them. Raises `click` on a release inside the window.
bool TrackClick(HWND hwnd, UINT msg, LPARAM lparam, bool& pressed,
                const std::function<void()>& click);

}  // namespace zel
