#include "hosting/activex_host.h"

#include <ole2.h>

#include <string>

#include "hosting/dispatch_call.h"
#include "win32/system_library.h"
#include "win32/trace.h"
#include "win32/window_target.h"

namespace zel {

namespace {

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetFn = HRESULT(WINAPI*)(HWND, IUnknown**);

// atl.dll stays loaded for the life of the process once it works: hosted controls
// live in it and its host window class stays registered.
struct AtlHost {
  HMODULE module = nullptr;
  AtlAxGetFn getControl = nullptr;
  AtlAxGetFn getHost = nullptr;
  bool ready = false;

  // Tried again by the next control while it has not worked.
  void Load() {
    if (!module) module = LoadSystemLibrary(L"atl.dll");
    if (!module) {
      TraceLastError(L"LoadLibraryExW(atl.dll): no hosted controls");
      return;
    }
    auto init = LibraryFunction<AtlAxWinInitFn>(module, "AtlAxWinInit");
    getControl = LibraryFunction<AtlAxGetFn>(module, "AtlAxGetControl");
    getHost = LibraryFunction<AtlAxGetFn>(module, "AtlAxGetHost");
    if (!init || !getControl) {
      TraceFailure(L"atl.dll lacks AtlAxWinInit or AtlAxGetControl: no hosted controls");
      return;
    }
    ready = init();
    if (!ready) TraceLastError(L"AtlAxWinInit");
  }
};

AtlHost& Atl() {
  static AtlHost atl;
  if (!atl.ready) atl.Load();
  return atl;
}

}  // namespace

ActiveXHost::~ActiveXHost() { Destroy(); }

bool ActiveXHost::Create(HWND parent, int x, int y, int cx, int cy, const wchar_t* control) {
  Destroy();
  AtlHost& atl = Atl();
  if (!atl.ready) return false;
  window_.Take(CreateWindowExW(0, L"AtlAxWin", control, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x,
                               y, cx, cy, parent, nullptr, ThisModule(), nullptr));
  if (!window_) {
    // AtlAxWin makes the control while its window is created: a control that
    // cannot be made fails the window.
    TraceLastError(std::wstring(L"CreateWindowExW(AtlAxWin, ") + control + L")");
    return false;
  }
  IUnknown* unknown = nullptr;
  const HRESULT hr = atl.getControl(window_.get(), &unknown);
  if (FAILED(hr) || !unknown) {
    TraceHresult(std::wstring(L"AtlAxGetControl(") + control + L")", FAILED(hr) ? hr : E_POINTER);
    Destroy();
    return false;
  }
  control_.Attach(unknown);
  // Should the registration fail, the control still works, only without its
  // own keys (Tab, Enter, arrows, copy).
  SetKeyTranslator(window_.get(), this);
  return true;
}

void ActiveXHost::Destroy() {
  if (window_ && IsWindow(window_.get())) RemoveKeyTranslator(window_.get());
  control_.Reset();
  window_.Destroy();
}

bool ActiveXHost::TranslateKey(MSG& msg) {
  const auto active = As<IOleInPlaceActiveObject>();
  return active && active->TranslateAccelerator(&msg) == S_OK;
}

Microsoft::WRL::ComPtr<IUnknown> ActiveXHost::host() const {
  Microsoft::WRL::ComPtr<IUnknown> p;
  if (window_ && Atl().getHost) Atl().getHost(window_.get(), p.GetAddressOf());
  return p;
}

}  // namespace zel

namespace zel {

bool ActiveXHost::SetDocumentFlags(DWORD flags) {
  constexpr DWORD kDpiAware = 0x40000000;  // DOCHOSTUIFLAG_DPI_AWARE
  VARIANT value;
  VariantInit(&value);
  value.vt = VT_I4;
  value.lVal = static_cast<LONG>(flags | kDpiAware);
  return PutProperty(host().Get(), L"DocHostFlags", value);
}

}  // namespace zel
