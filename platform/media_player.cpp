#include "platform/media_player.h"

#include <wmp.h>

#include "platform/bstr.h"

namespace zel {

using Microsoft::WRL::ComPtr;

bool MediaPlayer::Create(HWND parent, int x, int y, int cx, int cy, const std::wstring& url) {
  if (!host_.Create(parent, x, y, cx, cy, L"{6BF52A52-394A-11D3-B153-00C04F79FAA6}")) return false;
  // The typed interfaces: some players answer E_NOTIMPL through IDispatch.
  ComPtr<IWMPPlayer4> player = host_.As<IWMPPlayer4>();
  if (!player) {
    host_.Destroy();
    return false;
  }
  ComPtr<IWMPSettings> settings;
  if (SUCCEEDED(player->get_settings(settings.GetAddressOf())) && settings) {
    settings->put_autoStart(VARIANT_TRUE);
    settings->put_playCount(1);
    settings->put_volume(50);
    settings->put_enableErrorDialogs(VARIANT_FALSE);
    settings->put_invokeURLs(VARIANT_TRUE);
    settings->put_mute(VARIANT_FALSE);
  }
  player->put_uiMode(Bstr(L"full").get());
  player->put_enableContextMenu(VARIANT_FALSE);
  player->put_fullScreen(VARIANT_FALSE);
  player->put_stretchToFit(VARIANT_FALSE);
  player->put_windowlessVideo(VARIANT_FALSE);
  URL(url);
  return true;
}

bool MediaPlayer::URL(const std::wstring& url) {
  ComPtr<IWMPPlayer4> player = host_.As<IWMPPlayer4>();
  return player && SUCCEEDED(player->put_URL(Bstr(url).get()));
}

std::wstring MediaPlayer::URL() const {
  ComPtr<IWMPPlayer4> player = host_.As<IWMPPlayer4>();
  Bstr url;
  if (!player || FAILED(player->get_URL(url.out()))) return {};
  return url.str();
}

}  // namespace zel
