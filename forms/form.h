// The top-level window of a form: caption, client size in twips, font, icon,
// the control collection in creation order, and the Resize and Unload events.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "forms/control.h"
#include "graphics/dpi.h"
#include "graphics/gdi.h"
#include "forms/twips.h"
#include "forms/form_window.h"
#include "win32/owned_window.h"

namespace zel {

struct FormDesign {
  std::wstring class_name = L"ZelvanoForm";
  std::wstring caption;
  float client_width = 0;   // twips
  float client_height = 0;  // twips
  FontDescription font;
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  OleColor back_color = kButtonFace;
};

class Form : public FormWindow, public Container, private WindowTarget {
 public:
  HWND hwnd() const override { return window_.get(); }
  // Repaints the whole window, frame included.
  void Refresh() override;
  // The resolution the form is laid out at: its window's, then what WM_DPICHANGED says.
  Dpi FormDpi() const override { return dpi_; }
  void Show();

  // Client area in twips; 0 × 0 while minimised.
  float ScaleWidth() const;
  float ScaleHeight() const;
  // Outer size in twips, frame included. Setting keeps the left and top edges;
  // a minimised or maximised window, or a negative size, rejects it.
  float Width() const;
  float Height() const;
  Outcome SetWidth(float twips);
  Outcome SetHeight(float twips);

  // Every control of the form, in the order the controls were created.
  const std::vector<Control*>& Controls() const { return controls_; }
  HFONT FontHandle() const { return font_.get(); }
  // The icons stay owned by the caller and must outlive the window.
  void SetIcons(HICON big, HICON small);

  HWND ContainerHwnd() const override { return window_.get(); }
  Form* ContainerForm() override { return this; }
  void PaintSurface(HDC dc) override;

 protected:
  Form() = default;
  ~Form();

  // Creates the window hidden and centred on the screen.
  bool CreateForm(const FormDesign& design);
  // Every control exists: size changes raise OnResize from now on.
  void ControlsCreated() { controls_ready_ = true; }
  // Stops the events, for the owner's destructor.
  void StopEvents() { controls_ready_ = false; }
  // The window moved to a screen of another resolution (or was made on one other
  // than the system's): the owner's pictures and frame first, then the form's and
  // the controls' fonts and places, then the window takes `suggested` if given.
  void ChangeDpi(Dpi dpi, const RECT* suggested);

  virtual void OnResize() {}
  virtual void OnUnload() {}
  // The owner's part of a resolution change; FormDpi() is already the new one.
  virtual void OnDpiChanged() {}

 private:
  friend class Control;
  void Remember(Control* control) { controls_.push_back(control); }
  void Forget(Control* control);
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) override;
  void OnWindowGone() override { window_.Forget(); }
  void RaiseResize();
  Outcome SetOuterSize(float twips, bool width);
  // The design's font at the form's resolution, given to the window.
  void ApplyFormFont();

  OwnedWindow window_;
  Dpi dpi_;
  FontDescription font_description_;
  UniqueFont font_;
  UniqueBrush back_brush_;
  std::vector<Control*> controls_;
  bool controls_ready_ = false;
  bool shown_ = false;
  bool resized_ = false;
  bool destroying_ = false;
  float set_width_ = -1;  // last outer size set, in twips, while the window keeps it
  float set_height_ = -1;
};

}  // namespace zel
