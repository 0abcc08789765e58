#include "skin/frame_input.h"

namespace zel::frame_input {
namespace {
constexpr InputCalls kSystemCalls{&GetSystemMetrics, &GetAsyncKeyState};
InputCalls g_calls = kSystemCalls;
}  // namespace

InputCalls& Input() { return g_calls; }

void ResetInputCalls() { g_calls = kSystemCalls; }

// The key state reads the physical buttons; with swapped buttons the primary
// one is the physical right button.
int PrimaryButtonKey() { return g_calls.getSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON; }

bool PrimaryButtonDown() { return g_calls.getAsyncKeyState(PrimaryButtonKey()) != 0; }

}  // namespace zel::frame_input
