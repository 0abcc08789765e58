// What a skinned frame needs of the form it is attached to.
#pragma once

#include <windows.h>

#include "graphics/dpi.h"
#include "win32/window_dpi.h"

namespace zel {

class FormWindow {
 public:
  virtual HWND hwnd() const = 0;
  // The form's own repaint request.
  virtual void Refresh() = 0;
  // The resolution the form is laid out and framed at.
  virtual Dpi FormDpi() const { return Dpi(WindowDpi(hwnd())); }

 protected:
  ~FormWindow() = default;
};

}  // namespace zel
