// An off-screen drawing surface: a memory context compatible with the display
// with a bitmap of its own selected into it. Surfaces only grow.
#pragma once

#include <windows.h>

namespace zel {

class MemorySurface {
 public:
  MemorySurface() = default;
  ~MemorySurface() { Free_Surface(); }
  MemorySurface(const MemorySurface&) = delete;
  MemorySurface& operator=(const MemorySurface&) = delete;

  // Replaces the surface with a new cx x cy one; left absent (0 x 0) when the
  // bitmap cannot be selected.
  void Create_Surface(int cx, int cy);
  // Selects the initial bitmap back, deletes the bitmap and the context.
  void Free_Surface();
  // Recreates the surface (discarding its content) when it is narrower (lower)
  // than asked; returns the recorded width (height). 0 only reads it.
  int Ensure_Width(int cx);
  int Ensure_Height(int cy);
  // Grows the surface to the bitmap's size and copies the whole bitmap to (0, 0).
  void Load_Picture(HBITMAP picture);

  HDC Dc() const { return dc_; }
  HBITMAP Bitmap() const { return bitmap_; }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ initial_bitmap_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace zel
