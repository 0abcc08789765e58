#include "forms/frame.h"

namespace zel {

Frame::Frame(std::wstring name, std::optional<int16_t> index)
    : ContainerControl(std::move(name), index) {}

Frame::~Frame() = default;

bool Frame::Create(Container& parent, const Bounds& design) {
  Attach(parent, design);
  return CreateOwnWindow({L"ZelvanoFrame"}, WS_CLIPCHILDREN, 0, caption_.c_str());
}

void Frame::SetCaption(std::wstring caption) {
  caption_ = std::move(caption);
  if (hwnd()) SetWindowTextW(hwnd(), caption_.c_str());
  Invalidate();
}

Outcome Frame::SetForeColor(OleColor color) {
  fore_color_ = color;
  Invalidate();
  return Outcome::kDone;
}

Outcome Frame::SetBackColor(OleColor color) {
  back_color_ = color;
  Invalidate();
  return Outcome::kDone;
}

void Frame::PaintSurface(HDC dc) {
  RECT r{};
  GetClientRect(hwnd(), &r);
  UniqueBrush back = CreateColorBrush(back_color_);
  FillRect(dc, &r, back.get());

  ScopedSelect font(dc, FontHandle());
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  // The etched box starts at the middle of the caption line.
  RECT box = r;
  box.top = tm.tmHeight / 2;
  DrawEdge(dc, &box, EDGE_ETCHED, BF_RECT);
  if (!caption_.empty()) {
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption_.c_str(), static_cast<int>(caption_.size()), &extent);
    // The caption interrupts the box's top edge a little right of its corner,
    // on a gap slightly wider than the text.
    constexpr int kCaptionLeft = 8;
    constexpr int kCaptionPadding = 2;
    RECT text{kCaptionLeft, 0, kCaptionLeft + extent.cx + 2 * kCaptionPadding, tm.tmHeight};
    FillRect(dc, &text, back.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, ResolveColor(fore_color_));
    TextOutW(dc, text.left + kCaptionPadding, 0, caption_.c_str(),
             static_cast<int>(caption_.size()));
  }
  PaintWindowlessChildren(dc);
}

}  // namespace zel
