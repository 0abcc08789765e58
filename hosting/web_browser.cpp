#include "hosting/web_browser.h"

#include <exdisp.h>

#include "hosting/bstr.h"

namespace zel {

using Microsoft::WRL::ComPtr;

bool WebBrowser::Create(HWND parent, int x, int y, int cx, int cy) {
  return host_.Create(parent, x, y, cx, cy, L"Shell.Explorer.2") &&
         host_.As<IWebBrowser2>() != nullptr;
}

bool WebBrowser::Silent(bool silent) {
  ComPtr<IWebBrowser2> b = host_.As<IWebBrowser2>();
  return b && SUCCEEDED(b->put_Silent(silent ? VARIANT_TRUE : VARIANT_FALSE));
}

bool WebBrowser::Navigate(const std::wstring& url) {
  ComPtr<IWebBrowser2> b = host_.As<IWebBrowser2>();
  if (!b) return false;
  VARIANT none;
  VariantInit(&none);
  return SUCCEEDED(b->Navigate(Bstr(url).get(), &none, &none, &none, &none));
}

bool WebBrowser::Refresh() {
  ComPtr<IWebBrowser2> b = host_.As<IWebBrowser2>();
  return b && SUCCEEDED(b->Refresh());
}

std::wstring WebBrowser::LocationURL() const {
  ComPtr<IWebBrowser2> b = host_.As<IWebBrowser2>();
  Bstr url;
  if (!b || FAILED(b->get_LocationURL(url.out()))) return {};
  return url.str();
}

}  // namespace zel
