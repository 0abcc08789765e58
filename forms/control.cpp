#include "forms/control.h"

#include <algorithm>
#include <cmath>

#include "forms/form.h"

namespace zel {

Control::Control(std::wstring name, std::optional<int16_t> index)
    : name_(std::move(name)), index_(index) {}

Control::~Control() {
  if (parent_) std::erase(parent_->children_, this);
  if (form_) form_->Forget(this);
  if (owned_window_) {
    hwnd_ = nullptr;
    owned_window_.Destroy();
  } else if (!hwnd_ && parent_ && IsWindow(parent_->ContainerHwnd())) {
    InvalidateRect(parent_->ContainerHwnd(), &painted_, TRUE);
  }
}

void Control::Attach(Container& parent, const Bounds& design) {
  parent_ = &parent;
  parent.children_.push_back(this);
  form_ = parent.ContainerForm();
  if (form_) form_->Remember(this);
  bounds_ = design;
  // A font set before the control joined its form was made for 96 DPI.
  MakeOwnFont();
}

bool Control::CreateOwnWindow(const TargetClass& window_class, DWORD style, DWORD ex_style,
                              const wchar_t* text) {
  if (!parent_) return false;
  const RECT r = PixelRect();
  return TakeCreatedWindow(CreateTargetWindow(this, window_class, ex_style, ChildStyle(style), text,
                                              r.left, r.top, r.right - r.left, r.bottom - r.top,
                                              parent_->ContainerHwnd()));
}

bool Control::CreateSystemControl(const wchar_t* system_class, DWORD style, DWORD ex_style,
                                  const wchar_t* text) {
  if (!parent_) return false;
  const RECT r = PixelRect();
  return TakeCreatedWindow(CreateSystemControlWindow(
      this, system_class, ex_style, ChildStyle(style), text, r.left, r.top, r.right - r.left,
      r.bottom - r.top, parent_->ContainerHwnd()));
}

DWORD Control::ChildStyle(DWORD style) const {
  return style | WS_CHILD | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0);
}

bool Control::TakeCreatedWindow(HWND hwnd) {
  SetWindow(hwnd, true);
  ZOrder();  // a later control lies above the earlier ones
  return hwnd != nullptr;
}

LRESULT Control::OnMessage(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (!hwnd_) hwnd_ = hwnd;  // messages of CreateWindowEx arrive before it returns
  return WindowMessage(msg, wparam, lparam);
}

LRESULT Control::WindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  return DefaultTargetProc(hwnd_, msg, wparam, lparam);
}

bool Control::SelfPaintMessage(UINT msg, const std::function<void(HDC)>& paint, LRESULT* result) {
  if (msg == WM_ERASEBKGND) {
    *result = 1;
    return true;
  }
  if (msg != WM_PAINT) return false;
  PaintScope scope(hwnd_);
  paint(scope.dc());
  *result = 0;
  return true;
}

bool Control::OnReflected(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

Outcome Control::SetBound(float Bounds::*field, float twips, bool is_size) {
  if (!std::isfinite(twips) || (is_size && twips < 0)) return Outcome::kRejected;
  bounds_.*field = twips;
  ApplyBounds();
  return Outcome::kDone;
}

Outcome Control::SetLeft(float twips) { return SetBound(&Bounds::left, twips, false); }
Outcome Control::SetTop(float twips) { return SetBound(&Bounds::top, twips, false); }
Outcome Control::SetWidth(float twips) { return SetBound(&Bounds::width, twips, true); }
Outcome Control::SetHeight(float twips) { return SetBound(&Bounds::height, twips, true); }

Dpi Control::ControlDpi() const { return form_ ? form_->FormDpi() : Dpi(); }

RECT Control::PixelRect() const {
  const Dpi dpi = ControlDpi();
  const int x = dpi.TwipsToPixels(bounds_.left);
  const int y = dpi.TwipsToPixels(bounds_.top);
  return RECT{x, y, x + dpi.TwipsToPixels(bounds_.width), y + dpi.TwipsToPixels(bounds_.height)};
}

void Control::ApplyBounds() {
  const RECT r = PixelRect();
  if (hwnd_) {
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (parent_ && parent_->ContainerHwnd()) {
    InvalidateRect(parent_->ContainerHwnd(), &painted_, TRUE);
    InvalidateRect(parent_->ContainerHwnd(), &r, TRUE);
  }
}

void Control::SetVisible(bool visible) {
  visible_ = visible;
  ApplyVisible();
}

void Control::ApplyVisible() {
  if (hwnd_)
    ShowWindow(hwnd_, visible_ ? SW_SHOWNA : SW_HIDE);
  else
    Invalidate();
}

void Control::ZOrder() {
  if (hwnd_) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Control::SetFont(const FontDescription& font) {
  font_description_ = font;
  MakeOwnFont();
  ApplyFont();
}

HFONT Control::FontHandle() const {
  if (font_) return font_.get();
  if (form_) return form_->FontHandle();
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void Control::MakeOwnFont() {
  if (font_description_) font_ = CreateFormFont(*font_description_, ControlDpi());
}

void Control::ApplyDpi() {
  MakeOwnFont();
  ApplyFont();
  ApplyBounds();
}

void Control::ApplyFont() {
  if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(FontHandle()), TRUE);
}

Outcome Control::Refresh() {
  if (!hwnd_ && !parent_) return Outcome::kNotSupported;
  Repaint();
  return Outcome::kDone;
}

// A window not on screen has nothing to repaint (showing it paints it whole), and
// each redraw is a round trip to the window manager: the layout at start-up
// refreshes every control of the still hidden window.
void Control::Repaint() {
  if (hwnd_) {
    if (IsWindowVisible(hwnd_))
      RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  } else if (parent_ && IsWindowVisible(parent_->ContainerHwnd())) {
    const RECT r = PixelRect();
    RedrawWindow(parent_->ContainerHwnd(), &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  }
}

void Control::Invalidate() {
  if (hwnd_) {
    InvalidateRect(hwnd_, nullptr, TRUE);
  } else if (parent_ && parent_->ContainerHwnd()) {
    const RECT r = PixelRect();
    InvalidateRect(parent_->ContainerHwnd(), &r, TRUE);
  }
}

void Control::PaintParentBackground(HDC dc) {
  if (!parent_) return;
  const RECT r = PixelRect();
  POINT old{};
  OffsetViewportOrgEx(dc, -r.left, -r.top, &old);
  parent_->PaintSurface(dc);
  SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

std::optional<OleColor> Control::GetColorProperty(std::wstring_view name) const {
  if (name == L"ForeColor") return ForeColor();
  if (name == L"BackColor") return BackColor();
  return std::nullopt;
}

Outcome Control::SetColorProperty(std::wstring_view name, OleColor value) {
  if (name == L"ForeColor") return SetForeColor(value);
  if (name == L"BackColor") return SetBackColor(value);
  return Outcome::kNotSupported;
}

Outcome Control::CallMethod(std::wstring_view name) {
  if (name == L"Refresh") return Refresh();
  return Outcome::kNotSupported;
}

Container::~Container() {
  for (Control* child : children_) child->parent_ = nullptr;
}

Control* Container::ChildByWindow(HWND hwnd) const {
  if (!hwnd) return nullptr;
  for (Control* child : children_)
    if (child->hwnd() == hwnd) return child;
  return nullptr;
}

bool Container::HandleChildMessage(UINT msg, WPARAM wparam, LPARAM lparam, LRESULT* result) {
  switch (msg) {
    case WM_NOTIFY: {
      const auto* nm = reinterpret_cast<const NMHDR*>(lparam);
      Control* child = nm ? ChildByWindow(nm->hwndFrom) : nullptr;
      return child && child->OnReflected(msg, wparam, lparam, result);
    }
    case WM_COMMAND:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX: {
      Control* child = ChildByWindow(reinterpret_cast<HWND>(lparam));
      return child && child->OnReflected(msg, wparam, lparam, result);
    }
    default:
      return false;
  }
}

void Container::PaintWindowlessChildren(HDC dc) {
  for (Control* child : children_) {
    if (child->hwnd() || !child->Visible()) continue;
    child->painted_ = child->PixelRect();
    child->PaintWindowless(dc);
  }
}

}  // namespace zel
