// A control of a form: name and array index, Tag, twip geometry, visibility,
// and the properties and methods that callers reach by name.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/color.h"
#include "graphics/font.h"
#include "graphics/gdi.h"
#include "win32/owned_window.h"
#include "win32/window_target.h"
#include "forms/twips.h"

namespace zel {

class Container;
class Form;

class Control : private WindowTarget {
 public:
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;
  virtual ~Control();

  const std::wstring& Name() const { return name_; }
  std::optional<int16_t> Index() const { return index_; }
  Container* Parent() const { return parent_; }
  // The control's window; null for a windowless control or an empty slot.
  HWND hwnd() const { return hwnd_; }

  const std::wstring& Tag() const { return tag_; }
  void SetTag(std::wstring tag) { tag_ = std::move(tag); }

  // Geometry in twips. A negative or non-finite size is rejected and changes nothing.
  float Left() const { return bounds_.left; }
  float Top() const { return bounds_.top; }
  float Width() const { return bounds_.width; }
  float Height() const { return bounds_.height; }
  Outcome SetLeft(float twips);
  Outcome SetTop(float twips);
  Outcome SetWidth(float twips);
  Outcome SetHeight(float twips);

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Brings the control to the front of its siblings.
  void ZOrder();

  // Font used for text: the control's own, else the form's.
  void SetFont(const FontDescription& font);
  HFONT FontHandle() const;
  // The resolution the control is laid out at: its form's.
  Dpi ControlDpi() const;

  // Kinds without such a property answer "not supported".
  virtual std::optional<OleColor> ForeColor() const { return std::nullopt; }
  virtual Outcome SetForeColor(OleColor) { return Outcome::kNotSupported; }
  virtual std::optional<OleColor> BackColor() const { return std::nullopt; }
  virtual Outcome SetBackColor(OleColor) { return Outcome::kNotSupported; }
  virtual Outcome Refresh();

  // Late-bound access, for code that walks the control collection without
  // knowing the kinds: "ForeColor", "BackColor" and the method "Refresh".
  std::optional<OleColor> GetColorProperty(std::wstring_view name) const;
  Outcome SetColorProperty(std::wstring_view name, OleColor value);
  Outcome CallMethod(std::wstring_view name);

 protected:
  Control(std::wstring name, std::optional<int16_t> index);

  // Joins `parent` (and the parent's form collection) with the design bounds.
  void Attach(Container& parent, const Bounds& design);
  // Creates the control's own window of a layer class inside the parent.
  bool CreateOwnWindow(const TargetClass& window_class, DWORD style, DWORD ex_style,
                       const wchar_t* text);
  // Creates a system control (L"Button", WC_TREEVIEWW) inside the parent, under
  // its own class name, bound to this object like the layer's windows.
  bool CreateSystemControl(const wchar_t* system_class, DWORD style, DWORD ex_style,
                           const wchar_t* text);
  // Takes a window created elsewhere (a hosted ActiveX control's), which the
  // control destroys with itself only when `owned`.
  void SetWindow(HWND hwnd, bool owned) {
    hwnd_ = hwnd;
    owned_window_.Take(owned ? hwnd : nullptr);
  }
  // The parent asks the control to take a message its window sent to the parent:
  // WM_COMMAND, WM_NOTIFY and the WM_CTLCOLOR* messages.
  virtual bool OnReflected(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT* result);
  // Windowless controls draw themselves on the container's surface.
  virtual void PaintWindowless(HDC) {}
  // Messages of a window made by CreateOwnWindow or CreateSystemControl.
  virtual LRESULT WindowMessage(UINT msg, WPARAM wparam, LPARAM lparam);
  // A window that draws itself whole: no background erase, `paint` on WM_PAINT.
  bool SelfPaintMessage(UINT msg, const std::function<void(HDC)>& paint, LRESULT* result);
  // The window went away with its parent; forget it.
  virtual void WindowGone() {
    hwnd_ = nullptr;
    owned_window_.Forget();
  }
  // Moves the window (or the windowless area) to the current bounds.
  virtual void ApplyBounds();
  virtual void ApplyVisible();
  virtual void ApplyFont();
  // The form's resolution changed: the own font is made again, then font and place applied.
  virtual void ApplyDpi();

  Form* OwnerForm() const { return form_; }
  RECT PixelRect() const;  // in the container's client coordinates
  void Repaint();          // synchronous repaint of the control's area
  void Invalidate();       // repaint of the control's area later
  // Paints what lies under the control on its container into `dc`.
  void PaintParentBackground(HDC dc);

 private:
  friend class Container;
  friend class Form;
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) final;
  void OnWindowGone() final { WindowGone(); }
  Outcome SetBound(float Bounds::*field, float twips, bool is_size);
  // The control's own font (if it has one) at its form's resolution.
  void MakeOwnFont();
  // The style of the control's window, and its placing once created.
  DWORD ChildStyle(DWORD style) const;
  bool TakeCreatedWindow(HWND hwnd);

  std::wstring name_;
  std::optional<int16_t> index_;
  std::wstring tag_;
  Bounds bounds_;
  bool visible_ = true;
  Container* parent_ = nullptr;
  Form* form_ = nullptr;
  HWND hwnd_ = nullptr;
  OwnedWindow owned_window_;  // hwnd_ when the control made it
  std::optional<FontDescription> font_description_;
  UniqueFont font_;
  RECT painted_{};  // last area of a windowless control
};

// A control that holds others: the form, a PictureBox, a Frame.
class Container {
 public:
  Container(const Container&) = delete;
  Container& operator=(const Container&) = delete;

  virtual HWND ContainerHwnd() const = 0;
  virtual Form* ContainerForm() = 0;
  // Draws the container's own surface (background, picture, windowless
  // controls) at its client coordinates.
  virtual void PaintSurface(HDC dc) = 0;
  // Direct children, in the order they were created.
  const std::vector<Control*>& Children() const { return children_; }

 protected:
  Container() = default;
  ~Container();
  // What every container does for its children; true when handled.
  bool HandleChildMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT* result);
  void PaintWindowlessChildren(HDC dc);
  Control* ChildByWindow(HWND hwnd) const;

 private:
  friend class Control;
  std::vector<Control*> children_;
};

}  // namespace zel
