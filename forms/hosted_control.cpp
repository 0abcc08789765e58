#include "forms/hosted_control.h"

namespace zel {

HostedControl::HostedControl(std::wstring name, std::optional<int16_t> index)
    : Control(std::move(name), index) {}

void HostedControl::Adopt(Container& parent, HWND window, const Bounds& design) {
  Attach(parent, design);
  SetWindow(window, false);
  ZOrder();
}

Outcome HostedControl::Refresh() {
  if (refresh_action_) return refresh_action_() ? Outcome::kDone : Outcome::kNotSupported;
  if (Empty()) return Outcome::kNotSupported;
  RedrawWindow(hwnd(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  return Outcome::kDone;
}

}  // namespace zel
