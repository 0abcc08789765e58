// The two shapes of windowed control that draw themselves whole: containers
// painting their surface (PictureBox, Frame) and clickable pictures and text
// (Image, Label).
#pragma once

#include <windows.h>

#include <functional>

#include "forms/control.h"

namespace zel {

// A windowed control that holds others and paints its own surface.
class ContainerControl : public Control, public Container {
 public:
  HWND ContainerHwnd() const override { return hwnd(); }
  Form* ContainerForm() override { return OwnerForm(); }

 protected:
  using Control::Control;
  // Children's reflected messages first, then the surface's paint.
  LRESULT WindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;
};

// A windowed control that paints itself and raises Click on a left click inside it.
class ClickableControl : public Control {
 public:
  std::function<void()> Click;

 protected:
  using Control::Control;
  virtual void Paint(HDC dc) = 0;
  LRESULT WindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) override;

 private:
  bool pressed_ = false;
};

}  // namespace zel
