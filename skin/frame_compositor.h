// What the frame tells the desktop compositor about a window it draws itself.
// dwmapi.dll is loaded at run time, so the frame also runs where it is missing.
#pragma once

#include <windows.h>

namespace zel::frame_compositor {

// The compositor call, replaceable by tests (ResetCompositorCalls puts back the
// one that loads dwmapi.dll from the system directory, and lets go of the library
// it kept, so that the next call loads it again).
using SetWindowAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
struct CompositorCalls {
  SetWindowAttributeFunction setWindowAttribute;
};
CompositorCalls& Compositor();
void ResetCompositorCalls();

// Attribute numbers and values of dwmapi.h, named here since older SDKs lack the last.
constexpr DWORD kNcRenderingPolicy = 2;        // DWMWA_NCRENDERING_POLICY
constexpr DWORD kNcRenderingDisabled = 1;      // DWMNCRP_DISABLED
constexpr DWORD kWindowCornerPreference = 33;  // DWMWA_WINDOW_CORNER_PREFERENCE (Windows 11)
constexpr DWORD kCornerDoNotRound = 1;         // DWMWCP_DONOTROUND

// Takes the compositor's frame away from the window at once (Windows would do
// so only at the frame's first paint of its own, and never give it back) and asks
// Windows 11 for square corners, since the frame pictures have square corners.
// Failures (no compositor, older Windows, no dwmapi.dll) are ignored.
void UseOwnFrame(HWND hwnd);

}  // namespace zel::frame_compositor
