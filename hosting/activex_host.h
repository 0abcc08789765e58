// A child window hosting one ActiveX control through the system's ATL host
// window class (atl.dll's "AtlAxWin").
#pragma once

#include <windows.h>
#include <wrl/client.h>

#include "win32/message_loop.h"
#include "win32/owned_window.h"

namespace zel {

// While it exists, the control sees the keys meant for its windows first
// (through the thread's message loop), as a hosted control expects.
class ActiveXHost final : private KeyTranslator {
 public:
  ActiveXHost() = default;
  ~ActiveXHost();
  ActiveXHost(const ActiveXHost&) = delete;
  ActiveXHost& operator=(const ActiveXHost&) = delete;

  // Creates the host window (pixels, relative to the parent's client area) and
  // the control named by a ProgID or "{CLSID}". False when either cannot be made.
  bool Create(HWND parent, int x, int y, int cx, int cy, const wchar_t* control);
  void Destroy();

  HWND hwnd() const { return window_.get(); }
  IUnknown* control() const { return control_.Get(); }
  // The ATL host object: its ambient properties shape how a document shows.
  Microsoft::WRL::ComPtr<IUnknown> host() const;
  // The DOCHOSTUIFLAG bits the host gives the documents the control shows from
  // now on, always with DOCHOSTUIFLAG_DPI_AWARE: pages are laid out at the
  // screen's scale, as the window around them is. False when the host refuses.
  bool SetDocumentFlags(DWORD flags);

  template <class T>
  Microsoft::WRL::ComPtr<T> As() const {
    Microsoft::WRL::ComPtr<T> p;
    if (control_) control_.As(&p);
    return p;
  }

 private:
  // Hands the key to the control's in-place object directly: the host window
  // sees no keys of the control's own windows, and not every ATL answers
  // WM_FORWARDMSG.
  bool TranslateKey(MSG& msg) override;

  OwnedWindow window_;
  Microsoft::WRL::ComPtr<IUnknown> control_;
};

}  // namespace zel
