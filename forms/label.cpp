#include "forms/label.h"

namespace zel {

Label::Label(std::wstring name, std::optional<int16_t> index)
    : ClickableControl(std::move(name), index) {}

bool Label::Create(Container& parent, const Bounds& design) {
  Attach(parent, design);
  return CreateOwnWindow({L"ZelvanoLabel"}, 0, 0, caption_.c_str());
}

void Label::SetCaption(std::wstring caption) {
  caption_ = std::move(caption);
  if (hwnd()) {
    SetWindowTextW(hwnd(), caption_.c_str());
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
}

void Label::SetBackStyle(BackStyle style) {
  back_style_ = style;
  Invalidate();
}

Outcome Label::SetForeColor(OleColor color) {
  fore_color_ = color;
  Invalidate();
  return Outcome::kDone;
}

Outcome Label::SetBackColor(OleColor color) {
  back_color_ = color;
  Invalidate();
  return Outcome::kDone;
}

void Label::Paint(HDC dc) {
  RECT r{};
  GetClientRect(hwnd(), &r);
  if (back_style_ == BackStyle::kOpaque) {
    UniqueBrush brush = CreateColorBrush(back_color_);
    FillRect(dc, &r, brush.get());
  } else {
    PaintParentBackground(dc);
  }
  ScopedSelect font(dc, FontHandle());
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ResolveColor(fore_color_));
  DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &r, DT_LEFT | DT_WORDBREAK);
}

}  // namespace zel
