#include "forms/option_button.h"

namespace zel {

OptionButton::OptionButton(std::wstring name, std::optional<int16_t> index)
    : Control(std::move(name), index), back_brush_(CreateColorBrush(back_color_)) {}

bool OptionButton::Create(Container& parent, const Bounds& design) {
  Attach(parent, design);
  if (!parent.ContainerHwnd()) return false;
  // The system's radio button, bound to this object like every window of the layer.
  if (!CreateSystemControl(L"Button", BS_RADIOBUTTON, 0, caption_.c_str())) return false;
  ApplyFont();
  ShowCheck();
  return true;
}

void OptionButton::SetCaption(std::wstring caption) {
  caption_ = std::move(caption);
  if (hwnd()) SetWindowTextW(hwnd(), caption_.c_str());
}

void OptionButton::SetValue(bool value) {
  if (!value) {
    value_ = false;
    ShowCheck();
    return;
  }
  if (value_) return;
  Select();
  RaiseClick();
}

void OptionButton::Select() {
  if (Container* parent = Parent()) {
    for (Control* sibling : parent->Children()) {
      auto* option = dynamic_cast<OptionButton*>(sibling);
      if (option && option != this && option->value_) {
        option->value_ = false;
        option->ShowCheck();
      }
    }
  }
  value_ = true;
  ShowCheck();
}

void OptionButton::ShowCheck() {
  if (hwnd()) SendMessageW(hwnd(), BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

void OptionButton::RaiseClick() {
  const std::function<void()> handler = Click;
  if (handler) handler();
}

Outcome OptionButton::SetForeColor(OleColor color) {
  fore_color_ = color;
  Invalidate();
  return Outcome::kDone;
}

Outcome OptionButton::SetBackColor(OleColor color) {
  back_color_ = color;
  back_brush_ = CreateColorBrush(color);
  Invalidate();
  return Outcome::kDone;
}

bool OptionButton::OnReflected(UINT msg, WPARAM wparam, LPARAM, LRESULT* result) {
  switch (msg) {
    case WM_COMMAND:
      if (HIWORD(wparam) != BN_CLICKED) return false;
      // A user's click always raises Click, even on the selected button.
      Select();
      RaiseClick();
      *result = 0;
      return true;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wparam);
      SetTextColor(dc, ResolveColor(fore_color_));
      SetBkColor(dc, ResolveColor(back_color_));
      *result = reinterpret_cast<LRESULT>(back_brush_.get());
      return true;
    }
    default:
      return false;
  }
}

}  // namespace zel
