// A control whose window someone else creates and destroys (the tree view, the
// player, the browser, the scriptlet). Its creation may have failed: then the
// slot stays empty and answers "not supported".
#pragma once

#include <functional>

#include "forms/control.h"

namespace zel {

class HostedControl : public Control {
 public:
  explicit HostedControl(std::wstring name, std::optional<int16_t> index = std::nullopt);

  // Joins the container with the design bounds; `window` may be null.
  void Adopt(Container& parent, HWND window, const Bounds& design);
  bool Empty() const { return !hwnd() || !IsWindow(hwnd()); }

  // What Refresh does for this control instead of a repaint (the browser
  // reloads); the owner's action tells whether it could.
  void SetRefreshAction(std::function<bool()> action) { refresh_action_ = std::move(action); }
  Outcome Refresh() override;

 private:
  std::function<bool()> refresh_action_;
};

}  // namespace zel
