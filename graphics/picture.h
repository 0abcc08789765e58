// A bitmap-backed picture, shared by reference like the form runtime's pictures:
// copies refer to the same bitmap, which goes with the last reference.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

namespace zel {

class Picture {
 public:
  Picture() = default;  // nothing
  // Takes ownership of the bitmap.
  static Picture FromBitmap(HBITMAP bitmap);
  // A new 32-bit top-down bitmap of `width` × `height`, its pixels (0x00RRGGBB,
  // row after row) writable through `*pixels`; nothing when it cannot be made.
  static Picture New32(int width, int height, uint32_t** pixels);

  explicit operator bool() const { return bitmap_ != nullptr; }
  HBITMAP Handle() const { return bitmap_ ? bitmap_->handle : nullptr; }
  int Width() const;  // pixels, from GetObject on the bitmap
  int Height() const;
  bool operator==(const Picture& other) const { return bitmap_ == other.bitmap_; }

 private:
  struct Bitmap {
    HBITMAP handle;
    explicit Bitmap(HBITMAP h) : handle(h) {}
    ~Bitmap() { DeleteObject(handle); }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
  };
  std::shared_ptr<Bitmap> bitmap_;
};

}  // namespace zel
