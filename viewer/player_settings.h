// The settings the main window's player is created with: it starts playing
// whatever address it is given, once, and shows no dialogs of its own.
#pragma once

#include "hosting/media_player.h"

namespace zel {

inline constexpr PlayerSettings kPlayerSettings{
    .autoStart = true,
    .playCount = 1,
    .volume = 50,
    .uiMode = L"full",
    .enableContextMenu = false,
    .enableErrorDialogs = false,
    .invokeURLs = true,
    .mute = false,
    .fullScreen = false,
    .stretchToFit = false,
    .windowlessVideo = false,
};

}  // namespace zel
