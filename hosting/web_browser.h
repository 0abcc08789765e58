// The embedded web browser control.
#pragma once

#include <string>

#include "hosting/activex_host.h"

namespace zel {

class WebBrowser {
 public:
  bool Create(HWND parent, int x, int y, int cx, int cy);
  HWND hwnd() const { return host_.hwnd(); }
  bool exists() const { return host_.control() != nullptr; }

  // The browser shows no dialog boxes of its own when silent.
  bool Silent(bool silent);
  // Navigate with the address only; the optional arguments are omitted.
  bool Navigate(const std::wstring& url);
  // Reloads the page currently shown.
  bool Refresh();
  std::wstring LocationURL() const;

  ActiveXHost& host() { return host_; }

 private:
  ActiveXHost host_;
};

}  // namespace zel
