#include "viewer/channel_selection.h"

#include "hosting/media_player.h"
#include "hosting/web_browser.h"
#include "viewer/zel_config.h"
#include "win32/trace.h"

namespace zel {

std::wstring StreamAddress(const CatalogueEntry& channel) {
  return std::wstring(kStreamServer) + std::wstring(channel.streamPath);
}

std::wstring GuideAddress(const GuidePage& guide) {
  return std::wstring(kGuideSite) + L"/union/uniChDay_ifr.asp?tvid=" +
         zel::DecimalText(guide.tvid) + L"&channelid=" + zel::DecimalText(guide.channelid);
}

void SelectChannel(std::wstring_view key, MediaPlayer& player, WebBrowser& browser) {
  const CatalogueEntry* channel = FindChannel(key);
  if (!channel) return;
  // A player that refuses the address stops here: the guide follows the stream.
  if (!player.URL(StreamAddress(*channel))) return;
  if (channel->guide) browser.Navigate(GuideAddress(*channel->guide));
}

}  // namespace zel
