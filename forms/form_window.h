// What a skinned frame needs of the form it is attached to.
#pragma once

#include <windows.h>

namespace zel {

class FormWindow {
 public:
  virtual HWND hwnd() const = 0;
  // The form's own repaint request.
  virtual void Refresh() = 0;

 protected:
  ~FormWindow() = default;
};

}  // namespace zel
