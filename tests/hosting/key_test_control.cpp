#include "key_test_control.h"

#include <ole2.h>
#include <wrl/client.h>

#include <algorithm>

namespace hosting_test {
namespace {

constexpr CLSID kControlClsid = {
    0x6f1c2a4e, 0x93d1, 0x4b7a, {0x8e, 0x25, 0x3c, 0x71, 0xd0, 0x4a, 0x9b, 0x16}};

LRESULT CALLBACK KeyWindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
  } else if (message >= WM_KEYFIRST && message <= WM_KEYLAST) {
    auto* received = reinterpret_cast<std::vector<MSG>*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (received) received->push_back(MSG{hwnd, message, wparam, lparam});
    return 0;
  }
  return DefWindowProcW(hwnd, message, wparam, lparam);
}

// Only what the ATL host calls does something; the rest answers E_NOTIMPL.
class KeyControl final : public IOleObject, public IOleInPlaceActiveObject {
 public:
  explicit KeyControl(KeyLog& log) : log_(log) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == IID_IOleObject) {
      *out = static_cast<IOleObject*>(this);
    } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceActiveObject) {
      *out = static_cast<IOleInPlaceActiveObject*>(this);
    } else {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }

  // IOleObject
  // The host lives as long as its control holds the site, as real controls do.
  HRESULT STDMETHODCALLTYPE SetClientSite(IOleClientSite* site) override {
    site_ = site;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetClientSite(IOleClientSite** site) override {
    return site_.CopyTo(site);
  }
  HRESULT STDMETHODCALLTYPE SetHostNames(LPCOLESTR, LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Close(DWORD) override {
    if (window_ && IsWindow(window_)) DestroyWindow(window_);
    window_ = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetMoniker(DWORD, IMoniker*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE InitFromData(IDataObject*, WINBOOL, DWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetClipboardData(DWORD, IDataObject**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DoVerb(LONG, LPMSG, IOleClientSite*, LONG, HWND parent,
                                   LPCRECT rect) override {
    if (!window_) {
      window_ =
          CreateKeyWindow(parent, &log_.received, WS_CHILD | WS_VISIBLE | WS_TABSTOP, rect->left,
                          rect->top, rect->right - rect->left, rect->bottom - rect->top);
      log_.window = window_;
    }
    return window_ ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE EnumVerbs(IEnumOLEVERB**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Update() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE IsUpToDate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetUserClassID(CLSID* clsid) override {
    *clsid = kControlClsid;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetUserType(DWORD, LPOLESTR*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetExtent(DWORD, SIZEL*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetExtent(DWORD, SIZEL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Advise(IAdviseSink*, DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumAdvise(IEnumSTATDATA**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMiscStatus(DWORD, DWORD* status) override {
    *status = 0;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetColorScheme(LOGPALETTE*) override { return E_NOTIMPL; }

  // IOleInPlaceActiveObject
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override {
    *hwnd = window_;
    return window_ ? S_OK : E_FAIL;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(WINBOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG msg) override {
    log_.offered.push_back(*msg);
    const auto& keys = log_.handled_keys;
    const bool handled = msg->message == WM_KEYDOWN &&
                         std::find(keys.begin(), keys.end(), msg->wParam) != keys.end();
    return handled ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(WINBOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(WINBOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, WINBOOL) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE EnableModeless(WINBOOL) override { return S_OK; }

 private:
  ~KeyControl() { Close(OLECLOSE_NOSAVE); }

  KeyLog& log_;
  ULONG refs_ = 1;
  Microsoft::WRL::ComPtr<IOleClientSite> site_;
  HWND window_ = nullptr;
};

class KeyControlFactory final : public IClassFactory {
 public:
  explicit KeyControlFactory(KeyLog& log) : log_(log) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid != IID_IUnknown && iid != IID_IClassFactory) {
      *out = nullptr;
      return E_NOINTERFACE;
    }
    *out = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    auto* control = new KeyControl(log_);
    const HRESULT hr = control->QueryInterface(iid, out);
    control->Release();
    return hr;
  }
  HRESULT STDMETHODCALLTYPE LockServer(WINBOOL) override { return S_OK; }

 private:
  ~KeyControlFactory() = default;

  KeyLog& log_;
  ULONG refs_ = 1;
};

}  // namespace

const wchar_t TestControlClass::kClsid[] = L"{6F1C2A4E-93D1-4B7A-8E25-3C71D04A9B16}";

HWND CreateKeyWindow(HWND parent, std::vector<MSG>* received, DWORD style, int x, int y, int cx,
                     int cy) {
  static const ATOM atom = [] {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = KeyWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = L"ZelvanoTestKeyWindow";
    return RegisterClassExW(&wc);
  }();
  if (!atom) return nullptr;
  return CreateWindowExW(0, MAKEINTATOM(atom), L"", style, x, y, cx, cy, parent, nullptr,
                         GetModuleHandleW(nullptr), received);
}

TestControlClass::TestControlClass(KeyLog& log) {
  auto* factory = new KeyControlFactory(log);
  if (FAILED(CoRegisterClassObject(kControlClsid, factory, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE,
                                   &cookie_))) {
    cookie_ = 0;
  }
  factory->Release();
}

TestControlClass::~TestControlClass() {
  if (cookie_) CoRevokeClassObject(cookie_);
}

}  // namespace hosting_test
