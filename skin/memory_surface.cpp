#include "skin/memory_surface.h"

namespace zel {

void MemorySurface::Create_Surface(int cx, int cy) {
  Free_Surface();
  // The display context only serves to make compatible objects; it goes at once.
  HDC display = CreateDCA("Display", nullptr, nullptr, nullptr);
  dc_ = CreateCompatibleDC(display);
  bitmap_ = CreateCompatibleBitmap(display, cx, cy);
  if (display) DeleteDC(display);
  initial_bitmap_ = dc_ && bitmap_ ? SelectObject(dc_, bitmap_) : nullptr;
  if (!initial_bitmap_) {
    Free_Surface();
    return;
  }
  width_ = cx;
  height_ = cy;
}

void MemorySurface::Free_Surface() {
  if (dc_ && initial_bitmap_) SelectObject(dc_, initial_bitmap_);
  if (bitmap_) DeleteObject(bitmap_);
  width_ = 0;
  height_ = 0;
  if (dc_) DeleteDC(dc_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  initial_bitmap_ = nullptr;
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
  HDC source = CreateCompatibleDC(dc_);
  if (!source) return;
  HGDIOBJ previous = SelectObject(source, picture);
  if (previous) {
    BitBlt(dc_, 0, 0, bm.bmWidth, bm.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, previous);
  }
  DeleteDC(source);
}

}  // namespace zel
