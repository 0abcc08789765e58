// The embedded web browser control. Its Refresh reloads the page shown.
#pragma once

#include <string>

#include "hosting/activex_control.h"

namespace zel {

class WebBrowser : public ActiveXControl {
 public:
  explicit WebBrowser(std::wstring name, std::optional<int16_t> index = std::nullopt);

  bool Create(Container& parent, const Bounds& design);
  bool exists() const { return host().control() != nullptr; }

  // The browser shows no dialog boxes of its own when silent.
  bool Silent(bool silent);
  // Navigate with the address only; the optional arguments are omitted.
  bool Navigate(const std::wstring& url);
  // Reloads the page currently shown.
  bool Reload();
  std::wstring LocationURL() const;
};

}  // namespace zel
