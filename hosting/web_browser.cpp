#include "hosting/web_browser.h"

#include <exdisp.h>

#include "hosting/bstr.h"

namespace zel {

using Microsoft::WRL::ComPtr;

WebBrowser::WebBrowser(std::wstring name, std::optional<int16_t> index)
    : ActiveXControl(std::move(name), index) {
  SetRefreshAction([this] { return Reload(); });
}

bool WebBrowser::Create(Container& parent, const Bounds& design) {
  if (!ActiveXControl::Create(parent, design, L"Shell.Explorer.2")) return false;
  if (host().As<IWebBrowser2>()) {
    // The host's own default border flag, and pages at the screen's scale. Wine's
    // host has no ambient properties: there the page keeps the browser's defaults.
    constexpr DWORD kNo3DBorder = 0x00000004;  // DOCHOSTUIFLAG_NO3DBORDER
    host().SetDocumentFlags(kNo3DBorder);
    return true;
  }
  Release();
  return false;
}

bool WebBrowser::Silent(bool silent) {
  ComPtr<IWebBrowser2> b = host().As<IWebBrowser2>();
  return b && SUCCEEDED(b->put_Silent(silent ? VARIANT_TRUE : VARIANT_FALSE));
}

bool WebBrowser::Navigate(const std::wstring& url) {
  ComPtr<IWebBrowser2> b = host().As<IWebBrowser2>();
  if (!b) return false;
  VARIANT none;
  VariantInit(&none);
  return SUCCEEDED(b->Navigate(Bstr(url).get(), &none, &none, &none, &none));
}

bool WebBrowser::Reload() {
  ComPtr<IWebBrowser2> b = host().As<IWebBrowser2>();
  return b && SUCCEEDED(b->Refresh());
}

std::wstring WebBrowser::LocationURL() const {
  ComPtr<IWebBrowser2> b = host().As<IWebBrowser2>();
  Bstr url;
  if (!b || FAILED(b->get_LocationURL(url.out()))) return {};
  return url.str();
}

}  // namespace zel
