// What a click on a channel node does: play its stream, open its day guide.
#pragma once

#include <string>
#include <string_view>

#include "viewer/catalogue.h"

namespace zel {

class MediaPlayer;
class WebBrowser;

std::wstring StreamAddress(const CatalogueEntry& channel);
std::wstring GuideAddress(const GuidePage& guide);

// Looks `key` up; for a channel hands its stream to the player and then, when it
// has a guide page, sends the browser there. Anything else does nothing.
void SelectChannel(std::wstring_view key, MediaPlayer& player, WebBrowser& browser);

}  // namespace zel
