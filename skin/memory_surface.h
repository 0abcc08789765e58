// An off-screen drawing surface: a memory context compatible with the display
// with a bitmap of its own selected into it. Surfaces only grow.
#pragma once

#include <windows.h>

#include <optional>

#include "graphics/gdi.h"

namespace zel {

class MemorySurface {
 public:
  MemorySurface() = default;
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

  HDC Dc() const { return dc_ ? dc_->dc() : nullptr; }
  HBITMAP Bitmap() const { return bitmap_.get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }

 private:
  // In this order so that they go in reverse, as Free_Surface releases them: the
  // initial bitmap back, then the bitmap, then the context.
  std::optional<MemoryDc> dc_;
  UniqueBitmap bitmap_;
  std::optional<ScopedSelect> selection_;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace zel
