#include "hosting/scriptlet.h"

#include <exdisp.h>

#include "hosting/bstr.h"
#include "hosting/dispatch_call.h"

namespace zel {

namespace {

constexpr wchar_t kScriptletControl[] = L"{AE24FDAE-03C6-11D1-8B76-0080C744F389}";
constexpr DWORD kDocHostNoScroll = 0x00000008;  // DOCHOSTUIFLAG_SCROLL_NO

VARIANT BoolVariant(bool b) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BOOL;
  v.boolVal = b ? VARIANT_TRUE : VARIANT_FALSE;
  return v;
}

}  // namespace

bool Scriptlet::Create(Container& parent, const Bounds& design, const std::wstring& url,
                       bool scroll_bars) {
  Join(parent, design);
  // The host fails cleanly where the scriptlet control is not registered.
  return CreateScriptletControl(url, scroll_bars) || CreateBrowser(url, scroll_bars);
}

bool Scriptlet::CreateScriptletControl(const std::wstring& url, bool scroll_bars) {
  if (!Host(kScriptletControl)) return false;
  host().SetDocumentFlags(0);
  PutProperty(host().control(), L"Scrollbar", BoolVariant(scroll_bars));
  VARIANT page;
  VariantInit(&page);
  page.vt = VT_BSTR;
  Bstr text(url);
  page.bstrVal = text.get();
  if (!PutProperty(host().control(), L"url", page)) {
    Release();
    return false;
  }
  browserFallback_ = false;
  return true;
}

bool Scriptlet::CreateBrowser(const std::wstring& url, bool scroll_bars) {
  if (!Host(L"Shell.Explorer.2")) return false;
  Microsoft::WRL::ComPtr<IWebBrowser2> browser = host().As<IWebBrowser2>();
  if (!browser) {
    Release();
    return false;
  }
  browserFallback_ = true;
  // Scroll bars off through the host's ambient document flags.
  host().SetDocumentFlags(scroll_bars ? 0 : kDocHostNoScroll);
  browser->put_Silent(VARIANT_TRUE);
  VARIANT none;
  VariantInit(&none);
  browser->Navigate(Bstr(url).get(), &none, &none, &none, &none);
  return true;
}

}  // namespace zel
