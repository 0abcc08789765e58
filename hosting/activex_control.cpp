#include "hosting/activex_control.h"

namespace zel {

ActiveXControl::ActiveXControl(std::wstring name, std::optional<int16_t> index)
    : Control(std::move(name), index) {}

bool ActiveXControl::Create(Container& parent, const Bounds& design, const wchar_t* control) {
  Join(parent, design);
  return Host(control);
}

bool ActiveXControl::Host(const wchar_t* control) {
  const RECT r = PixelRect();
  const HWND parent = Parent() ? Parent()->ContainerHwnd() : nullptr;
  if (!parent ||
      !host_.Create(parent, r.left, r.top, r.right - r.left, r.bottom - r.top, control)) {
    SetWindow(nullptr, false);
    return false;
  }
  // The host destroys its window; the control only places it.
  SetWindow(host_.hwnd(), false);
  ZOrder();  // a later control lies above the earlier ones
  return true;
}

void ActiveXControl::Release() {
  SetWindow(nullptr, false);
  host_.Destroy();
}

Outcome ActiveXControl::Refresh() {
  if (refresh_action_) return refresh_action_() ? Outcome::kDone : Outcome::kNotSupported;
  if (Empty()) return Outcome::kNotSupported;
  RedrawWindow(hwnd(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  return Outcome::kDone;
}

}  // namespace zel
