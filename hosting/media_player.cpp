#include "hosting/media_player.h"

#include <wmp.h>

#include "hosting/bstr.h"

namespace zel {

using Microsoft::WRL::ComPtr;

namespace {
VARIANT_BOOL Flag(bool on) { return on ? VARIANT_TRUE : VARIANT_FALSE; }
}  // namespace

bool MediaPlayer::Create(Container& parent, const Bounds& design, const PlayerSettings& wanted,
                         const std::wstring& url) {
  if (!ActiveXControl::Create(parent, design, L"{6BF52A52-394A-11D3-B153-00C04F79FAA6}"))
    return false;
  // The typed interfaces: some players answer E_NOTIMPL through IDispatch.
  ComPtr<IWMPPlayer4> player = host().As<IWMPPlayer4>();
  if (!player) {
    Release();
    return false;
  }
  ComPtr<IWMPSettings> settings;
  if (SUCCEEDED(player->get_settings(settings.GetAddressOf())) && settings) {
    settings->put_autoStart(Flag(wanted.autoStart));
    settings->put_playCount(wanted.playCount);
    settings->put_volume(wanted.volume);
    settings->put_enableErrorDialogs(Flag(wanted.enableErrorDialogs));
    settings->put_invokeURLs(Flag(wanted.invokeURLs));
    settings->put_mute(Flag(wanted.mute));
  }
  player->put_uiMode(Bstr(wanted.uiMode).get());
  player->put_enableContextMenu(Flag(wanted.enableContextMenu));
  player->put_fullScreen(Flag(wanted.fullScreen));
  player->put_stretchToFit(Flag(wanted.stretchToFit));
  player->put_windowlessVideo(Flag(wanted.windowlessVideo));
  URL(url);
  return true;
}

bool MediaPlayer::URL(const std::wstring& url) {
  ComPtr<IWMPPlayer4> player = host().As<IWMPPlayer4>();
  return player && SUCCEEDED(player->put_URL(Bstr(url).get()));
}

std::wstring MediaPlayer::URL() const {
  ComPtr<IWMPPlayer4> player = host().As<IWMPPlayer4>();
  Bstr url;
  if (!player || FAILED(player->get_URL(url.out()))) return {};
  return url.str();
}

}  // namespace zel
