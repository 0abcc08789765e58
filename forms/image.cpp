#include "forms/image.h"

namespace zel {

Image::Image(std::wstring name, std::optional<int16_t> index)
    : ClickableControl(std::move(name), index) {}

bool Image::Create(Container& parent, const Bounds& design) {
  Attach(parent, design);
  return CreateOwnWindow({L"ZelvanoImage"}, 0, 0, L"");
}

void Image::SetPicture(zel::Picture picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void Image::Paint(HDC dc) {
  PaintParentBackground(dc);
  DrawPicture(dc, picture_, 0, 0);
}

}  // namespace zel
