#include "skin/memory_surface.h"

namespace zel {

void MemorySurface::Create_Surface(int cx, int cy) {
  Free_Surface();
  {
    // The display context only serves to make compatible objects; it goes at once.
    const UniqueDc display(CreateDCA("Display", nullptr, nullptr, nullptr));
    dc_.emplace(display.get());
    bitmap_.reset(CreateCompatibleBitmap(display.get(), cx, cy));
  }
  if (dc_->dc() && bitmap_) selection_.emplace(dc_->dc(), bitmap_.get());
  if (!selection_ || !*selection_) {
    Free_Surface();
    return;
  }
  width_ = cx;
  height_ = cy;
}

void MemorySurface::Free_Surface() {
  selection_.reset();
  bitmap_.reset();
  width_ = 0;
  height_ = 0;
  dc_.reset();
}

int MemorySurface::Ensure_Width(int cx) {
  if (width_ < cx) Create_Surface(cx, height_);
  return width_;
}

int MemorySurface::Ensure_Height(int cy) {
  if (height_ < cy) Create_Surface(width_, cy);
  return height_;
}

void MemorySurface::Load_Picture(HBITMAP picture) {
  BITMAP bm{};
  if (!picture || !GetObjectA(picture, sizeof(bm), &bm)) return;
  Ensure_Width(bm.bmWidth);
  Ensure_Height(bm.bmHeight);
  const MemoryDc source(Dc());
  if (!source.dc()) return;
  const ScopedSelect selected(source.dc(), picture);
  if (selected) BitBlt(Dc(), 0, 0, bm.bmWidth, bm.bmHeight, source.dc(), 0, 0, SRCCOPY);
}

}  // namespace zel
