// A child window hosting one ActiveX control through the system's ATL host
// window class (atl.dll's "AtlAxWin").
#pragma once

#include <windows.h>
#include <wrl/client.h>

namespace zel {

class ActiveXHost {
 public:
  ActiveXHost() = default;
  ~ActiveXHost();
  ActiveXHost(const ActiveXHost&) = delete;
  ActiveXHost& operator=(const ActiveXHost&) = delete;

  // Creates the host window (pixels, relative to the parent's client area) and
  // the control named by a ProgID or "{CLSID}". False when either cannot be made.
  bool Create(HWND parent, int x, int y, int cx, int cy, const wchar_t* control);
  void Destroy();

  HWND hwnd() const { return hwnd_; }
  IUnknown* control() const { return control_.Get(); }
  // The ATL host object: its ambient properties shape how a document shows.
  Microsoft::WRL::ComPtr<IUnknown> host() const;

  template <class T>
  Microsoft::WRL::ComPtr<T> As() const {
    Microsoft::WRL::ComPtr<T> p;
    if (control_) control_.As(&p);
    return p;
  }

 private:
  HWND hwnd_ = nullptr;
  Microsoft::WRL::ComPtr<IUnknown> control_;
};

}  // namespace zel
