#include "platform/form_image.h"

#include "platform/form_click.h"

namespace zel {

Image::Image(std::wstring name, std::optional<int16_t> index) : Control(std::move(name), index) {}

bool Image::Create(Container& parent, const Bounds& design) {
  Attach(parent, design);
  return CreateOwnWindow(L"ZelvanoImage", 0, 0, L"");
}

void Image::SetPicture(zel::Picture picture) {
  picture_ = std::move(picture);
  Invalidate();
}

void Image::Paint(HDC dc) {
  PaintParentBackground(dc);
  DrawPicture(dc, picture_, 0, 0);
}

LRESULT Image::WindowMessage(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (TrackClick(hwnd(), msg, lparam, pressed_, Click)) return 0;
  LRESULT result = 0;
  if (SelfPaintMessage(
          msg, [this](HDC dc) { Paint(dc); }, &result))
    return result;
  return Control::WindowMessage(msg, wparam, lparam);
}

}  // namespace zel
