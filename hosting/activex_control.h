// A form control whose window hosts an ActiveX control (the player, the browser,
// the scriptlet). Its creation may fail: then the slot stays empty, keeps its
// place in the control collection and answers "not supported".
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "forms/control.h"
#include "hosting/activex_host.h"

namespace zel {

class ActiveXControl : public Control {
 public:
  explicit ActiveXControl(std::wstring name, std::optional<int16_t> index = std::nullopt);

  // Joins `parent` at the design bounds and hosts the control named by a ProgID
  // or "{CLSID}"; false when it cannot be made.
  bool Create(Container& parent, const Bounds& design, const wchar_t* control);
  bool Empty() const { return !hwnd() || !IsWindow(hwnd()); }

  ActiveXHost& host() { return host_; }
  const ActiveXHost& host() const { return host_; }

  // What Refresh does for this control instead of a repaint (the browser
  // reloads); the action tells whether it could.
  void SetRefreshAction(std::function<bool()> action) { refresh_action_ = std::move(action); }
  Outcome Refresh() override;

 protected:
  // For kinds that try more than one control: join once, then host.
  void Join(Container& parent, const Bounds& design) { Attach(parent, design); }
  bool Host(const wchar_t* control);
  // Destroys what was hosted; the slot is empty again.
  void Release();

 private:
  ActiveXHost host_;
  std::function<bool()> refresh_action_;
};

}  // namespace zel
