// The embedded media player control, created with the viewer's fixed settings.
#pragma once

#include <string>

#include "platform/activex_host.h"

namespace zel {

class MediaPlayer {
 public:
  // Creates the control with autoStart on, playCount 1, volume 50, uiMode "full",
  // no context menu, no error dialogs, invokeURLs on, and mute, fullScreen,
  // stretchToFit and windowlessVideo off; then gives it `url`.
  bool Create(HWND parent, int x, int y, int cx, int cy, const std::wstring& url);
  HWND hwnd() const { return host_.hwnd(); }
  bool exists() const { return host_.control() != nullptr; }

  // The player's address; it starts playing by itself whenever given one.
  bool URL(const std::wstring& url);
  std::wstring URL() const;

  ActiveXHost& host() { return host_; }

 private:
  ActiveXHost host_;
};

}  // namespace zel
