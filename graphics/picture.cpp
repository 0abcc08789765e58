#include "graphics/picture.h"

namespace zel {

Picture Picture::FromBitmap(HBITMAP bitmap) {
  Picture p;
  if (bitmap) p.bitmap_ = std::make_shared<Bitmap>(bitmap);
  return p;
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
