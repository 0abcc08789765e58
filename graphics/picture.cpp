#include "graphics/picture.h"

namespace zel {

Picture Picture::FromBitmap(HBITMAP bitmap) {
  Picture p;
  if (bitmap) p.bitmap_ = std::make_shared<Bitmap>(bitmap);
  return p;
}

Picture Picture::New32(int width, int height, uint32_t** pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down: row 0 first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap) return {};
  *pixels = static_cast<uint32_t*>(bits);
  return FromBitmap(bitmap);
}

int Picture::Width() const {
  BITMAP bm{};
  return bitmap_ && GetObjectW(bitmap_->handle, sizeof(bm), &bm) ? bm.bmWidth : 0;
}

int Picture::Height() const {
  BITMAP bm{};
  return bitmap_ && GetObjectW(bitmap_->handle, sizeof(bm), &bm) ? bm.bmHeight : 0;
}

}  // namespace zel
