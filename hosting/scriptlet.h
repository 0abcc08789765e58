// An embedded scriptlet page.
#pragma once

#include <string>

#include "hosting/activex_host.h"

namespace zel {

class Scriptlet {
 public:
  // Uses the system's scriptlet control; where it is not registered, a browser
  // control showing the same page with scroll bars off.
  bool Create(HWND parent, int x, int y, int cx, int cy, const std::wstring& url, bool scroll_bars);
  HWND hwnd() const { return host_.hwnd(); }
  bool exists() const { return host_.control() != nullptr; }
  bool IsBrowserFallback() const { return browserFallback_; }

 private:
  bool CreateScriptletControl(HWND parent, int x, int y, int cx, int cy, const std::wstring& url,
                              bool scroll_bars);
  bool CreateBrowser(HWND parent, int x, int y, int cx, int cy, const std::wstring& url,
                     bool scroll_bars);

  ActiveXHost host_;
  bool browserFallback_ = false;
};

}  // namespace zel
