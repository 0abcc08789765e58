// Memory surfaces: sizes, growth, picture loading and the release of every handle.
#include <gtest/gtest.h>

#include "skin/memory_surface.h"
#include "skin_test_support.h"

namespace skin_test {
namespace {

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP bm{};
  GetObjectW(bitmap, sizeof(bm), &bm);
  return SIZE{bm.bmWidth, bm.bmHeight};
}

TEST(MemorySurface, CreateMakesAContextWithABitmapOfTheSizeAndFreeDeletesBoth) {
  zel::MemorySurface s;
  s.Create_Surface(40, 12);
  ASSERT_EQ(GetObjectType(s.Dc()), static_cast<DWORD>(OBJ_MEMDC));
  ASSERT_EQ(GetObjectType(s.Bitmap()), static_cast<DWORD>(OBJ_BITMAP));
  EXPECT_EQ(GetCurrentObject(s.Dc(), OBJ_BITMAP), s.Bitmap());
  EXPECT_EQ(BitmapSize(s.Bitmap()).cx, 40);
  EXPECT_EQ(BitmapSize(s.Bitmap()).cy, 12);
  EXPECT_EQ(s.Width(), 40);
  EXPECT_EQ(s.Height(), 12);

  const HDC dc = s.Dc();
  const HBITMAP bitmap = s.Bitmap();
  s.Free_Surface();
  EXPECT_EQ(s.Width(), 0);
  EXPECT_EQ(s.Height(), 0);
  // The bitmap could only be deleted once it was no longer selected.
  EXPECT_EQ(GetObjectType(bitmap), 0u);
  EXPECT_EQ(GetObjectType(dc), 0u);
  s.Free_Surface();  // freeing an absent surface does nothing
}

TEST(MemorySurface, SurfacesOnlyGrowAndAZeroRequestReadsTheSize) {
  zel::MemorySurface s;
  EXPECT_EQ(s.Ensure_Width(0), 0);
  EXPECT_EQ(s.Ensure_Width(30), 30);
  EXPECT_EQ(s.Height(), 0);
  EXPECT_EQ(s.Ensure_Height(8), 8);
  EXPECT_EQ(BitmapSize(s.Bitmap()).cx, 30);
  EXPECT_EQ(BitmapSize(s.Bitmap()).cy, 8);

  const HBITMAP before = s.Bitmap();
  EXPECT_EQ(s.Ensure_Width(10), 30);
  EXPECT_EQ(s.Ensure_Height(0), 8);
  EXPECT_EQ(s.Bitmap(), before);  // no recreation for a smaller request

  EXPECT_EQ(s.Ensure_Width(50), 50);
  EXPECT_EQ(s.Height(), 8);  // the other dimension is kept
  EXPECT_NE(GetObjectType(s.Bitmap()), 0u);
}

TEST(MemorySurface, ABitmapThatCannotBeMadeLeavesTheSurfaceAbsent) {
  zel::MemorySurface s;
  s.Create_Surface(20, 20);
  const HDC old_dc = s.Dc();
  s.Create_Surface(200000, 200000);
  EXPECT_EQ(s.Width(), 0);
  EXPECT_EQ(s.Height(), 0);
  EXPECT_EQ(s.Dc(), nullptr);
  EXPECT_EQ(GetObjectType(old_dc), 0u);
}

TEST(MemorySurface, LoadPictureGrowsToThePictureAndCopiesItsPixels) {
  zel::MemorySurface s;
  zel::Picture big = MakePicture(24, 10, CaptionPixel);
  s.Load_Picture(big.Handle());
  EXPECT_EQ(s.Width(), 24);
  EXPECT_EQ(s.Height(), 10);
  auto rgb = [&](int x, int y) {
    const COLORREF c = GetPixel(s.Dc(), x, y);
    return (static_cast<uint32_t>(GetRValue(c)) << 16) | (GetGValue(c) << 8) | GetBValue(c);
  };
  EXPECT_EQ(rgb(0, 0), CaptionPixel(0, 0));
  EXPECT_EQ(rgb(23, 9), CaptionPixel(23, 9));
  EXPECT_EQ(rgb(7, 3), CaptionPixel(7, 3));

  // A smaller picture lands at (0, 0) of the surface, which keeps its size.
  zel::Picture small = MakePicture(5, 4, BordersPixel);
  s.Load_Picture(small.Handle());
  EXPECT_EQ(s.Width(), 24);
  EXPECT_EQ(s.Height(), 10);
  EXPECT_EQ(rgb(4, 3), BordersPixel(4, 3));
  EXPECT_EQ(rgb(5, 3), CaptionPixel(5, 3));
  // The picture stays usable: it is not left selected anywhere.
  HDC probe = CreateCompatibleDC(nullptr);
  EXPECT_NE(SelectObject(probe, small.Handle()), nullptr);
  DeleteDC(probe);
}

TEST(MemorySurface, RecreatingLeavesNoObjectBehind) {
  const int before = LiveGdiObjects();
  {
    zel::MemorySurface s;
    for (int i = 1; i <= 300; ++i) {
      s.Ensure_Width(i);
      s.Ensure_Height(i);
      s.Create_Surface(7, 7);
    }
    EXPECT_EQ(LiveGdiObjects(), before + 2);  // its own context and bitmap
  }
  EXPECT_EQ(LiveGdiObjects(), before);
}

}  // namespace
}  // namespace skin_test
