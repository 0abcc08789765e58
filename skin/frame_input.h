// The mouse button that is the primary one now and whether it is down. The frame
// reads them through here, so that tests can stand in for the hardware.
#pragma once

#include <windows.h>

namespace zel::frame_input {

using SystemMetricsFunction = int(WINAPI*)(int);
using KeyStateFunction = SHORT(WINAPI*)(int);
struct InputCalls {
  SystemMetricsFunction getSystemMetrics;
  KeyStateFunction getAsyncKeyState;
};
// Replaceable by tests; ResetInputCalls puts the system's calls back.
InputCalls& Input();
void ResetInputCalls();

// VK_RBUTTON for a left-handed set-up (buttons swapped), otherwise VK_LBUTTON.
int PrimaryButtonKey();
// The primary button's key state is not 0.
bool PrimaryButtonDown();

}  // namespace zel::frame_input
