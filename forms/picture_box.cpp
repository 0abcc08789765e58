#include "forms/picture_box.h"

namespace zel {

PictureBox::PictureBox(std::wstring name, std::optional<int16_t> index)
    : ContainerControl(std::move(name), index), back_brush_(CreateColorBrush(back_color_)) {}

PictureBox::~PictureBox() = default;

bool PictureBox::Create(Container& parent, const Bounds& design) {
  Attach(parent, design);
  return CreateOwnWindow({L"ZelvanoPictureBox"}, WS_CLIPCHILDREN, 0, L"");
}

Outcome PictureBox::SetForeColor(OleColor color) {
  fore_color_ = color;
  return Outcome::kDone;
}

Outcome PictureBox::SetBackColor(OleColor color) {
  back_color_ = color;
  back_brush_ = CreateColorBrush(color);
  Invalidate();
  return Outcome::kDone;
}

const zel::Picture& PictureBox::Picture() const {
  if (source_) {
    picture_ = source_();
    source_ = nullptr;
  }
  return picture_;
}

void PictureBox::SetPicture(zel::Picture picture) {
  source_ = nullptr;
  picture_ = std::move(picture);
  Invalidate();
}

void PictureBox::SetPictureSource(std::function<zel::Picture()> source) {
  picture_ = {};
  source_ = std::move(source);
  Invalidate();
}

void PictureBox::PaintSurface(HDC dc) {
  RECT r{};
  GetClientRect(hwnd(), &r);
  FillRect(dc, &r, back_brush_.get());
  DrawPicture(dc, Picture(), 0, 0);
  PaintWindowlessChildren(dc);
}

}  // namespace zel
