#include "skin/frame_compositor.h"

#include "win32/system_library.h"

namespace zel::frame_compositor {
namespace {

// Loaded at the first attach and kept: loading it again at every style change
// costs more than the frame itself. Tried again while it could not be loaded.
UniqueLibrary g_dwmapi;

HRESULT WINAPI SystemSetWindowAttribute(HWND hwnd, DWORD attribute, LPCVOID value, DWORD size) {
  if (!g_dwmapi) g_dwmapi.reset(LoadSystemLibrary(L"dwmapi.dll"));
  const auto set =
      LibraryFunction<SetWindowAttributeFunction>(g_dwmapi.get(), "DwmSetWindowAttribute");
  if (!set) return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
  return set(hwnd, attribute, value, size);
}

constexpr CompositorCalls kSystemCalls{&SystemSetWindowAttribute};
CompositorCalls g_calls = kSystemCalls;

}  // namespace

CompositorCalls& Compositor() { return g_calls; }

void ResetCompositorCalls() {
  g_calls = kSystemCalls;
  g_dwmapi.reset();  // the next call loads it afresh
}

void UseOwnFrame(HWND hwnd) {
  // Not put back at detach: Windows' own switch is permanent, and turning it back
  // on between two styles would flash the system frame at every style change.
  const DWORD policy = kNcRenderingDisabled;
  g_calls.setWindowAttribute(hwnd, kNcRenderingPolicy, &policy, sizeof(policy));
  const DWORD corners = kCornerDoNotRound;
  g_calls.setWindowAttribute(hwnd, kWindowCornerPreference, &corners, sizeof(corners));
}

}  // namespace zel::frame_compositor
