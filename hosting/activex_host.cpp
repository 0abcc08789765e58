#include "hosting/activex_host.h"

#include <ole2.h>

#include "win32/system_library.h"

namespace zel {

namespace {

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetFn = HRESULT(WINAPI*)(HWND, IUnknown**);

// atl.dll stays loaded for the life of the process: hosted controls live in it.
struct AtlHost {
  HMODULE module = nullptr;
  AtlAxGetFn getControl = nullptr;
  AtlAxGetFn getHost = nullptr;
  bool ready = false;

  AtlHost() {
    module = LoadSystemLibrary(L"atl.dll");
    if (!module) return;
    auto init = LibraryFunction<AtlAxWinInitFn>(module, "AtlAxWinInit");
    getControl = LibraryFunction<AtlAxGetFn>(module, "AtlAxGetControl");
    getHost = LibraryFunction<AtlAxGetFn>(module, "AtlAxGetHost");
    ready = init && getControl && init();
  }
};

AtlHost& Atl() {
  static AtlHost atl;
  return atl;
}

}  // namespace

ActiveXHost::~ActiveXHost() { Destroy(); }

bool ActiveXHost::Create(HWND parent, int x, int y, int cx, int cy, const wchar_t* control) {
  Destroy();
  AtlHost& atl = Atl();
  if (!atl.ready) return false;
  hwnd_ = CreateWindowExW(0, L"AtlAxWin", control, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, x, y,
                          cx, cy, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) return false;
  IUnknown* unknown = nullptr;
  if (FAILED(atl.getControl(hwnd_, &unknown)) || !unknown) {
    Destroy();
    return false;
  }
  control_.Attach(unknown);
  // Should the registration fail, the control still works, only without its
  // own keys (Tab, Enter, arrows, copy).
  SetKeyTranslator(hwnd_, this);
  return true;
}

void ActiveXHost::Destroy() {
  if (hwnd_ && IsWindow(hwnd_)) RemoveKeyTranslator(hwnd_);
  control_.Reset();
  if (hwnd_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
}

bool ActiveXHost::TranslateKey(MSG& msg) {
  const auto active = As<IOleInPlaceActiveObject>();
  return active && active->TranslateAccelerator(&msg) == S_OK;
}

Microsoft::WRL::ComPtr<IUnknown> ActiveXHost::host() const {
  Microsoft::WRL::ComPtr<IUnknown> p;
  if (hwnd_ && Atl().getHost) Atl().getHost(hwnd_, p.GetAddressOf());
  return p;
}

}  // namespace zel
