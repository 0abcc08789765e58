// An embedded scriptlet page.
#pragma once

#include <string>

#include "hosting/activex_control.h"

namespace zel {

class Scriptlet : public ActiveXControl {
 public:
  using ActiveXControl::ActiveXControl;

  // Uses the system's scriptlet control; where it is not registered, a browser
  // control showing the same page.
  bool Create(Container& parent, const Bounds& design, const std::wstring& url, bool scroll_bars);
  bool exists() const { return host().control() != nullptr; }
  bool IsBrowserFallback() const { return browserFallback_; }

 private:
  bool CreateScriptletControl(const std::wstring& url, bool scroll_bars);
  bool CreateBrowser(const std::wstring& url, bool scroll_bars);

  bool browserFallback_ = false;
};

}  // namespace zel
