// The embedded media player control, created with the settings its owner gives.
#pragma once

#include <string>

#include "hosting/activex_control.h"

namespace zel {

// The player's creation settings, by their automation names.
struct PlayerSettings {
  bool autoStart;
  long playCount;
  long volume;
  const wchar_t* uiMode;
  bool enableContextMenu;
  bool enableErrorDialogs;
  bool invokeURLs;
  bool mute;
  bool fullScreen;
  bool stretchToFit;
  bool windowlessVideo;
};

class MediaPlayer : public ActiveXControl {
 public:
  using ActiveXControl::ActiveXControl;

  // Creates the control with `settings`, then gives it `url`.
  bool Create(Container& parent, const Bounds& design, const PlayerSettings& settings,
              const std::wstring& url);
  bool exists() const { return host().control() != nullptr; }

  // The player's address; it starts playing by itself whenever given one.
  bool URL(const std::wstring& url);
  std::wstring URL() const;
};

}  // namespace zel
