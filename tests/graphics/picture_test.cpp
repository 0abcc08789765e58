#include <gtest/gtest.h>

#include "graphics/gdi.h"
#include "graphics/picture.h"

namespace {

bool IsGdiObject(HGDIOBJ h) { return GetObjectType(h) != 0; }

TEST(Picture, SharesOneBitmapAndDeletesItWithTheLastReference) {
  HBITMAP bmp = CreateCompatibleBitmap(zel::WindowDc().dc(), 7, 3);
  ASSERT_TRUE(bmp);
  {
    zel::Picture a = zel::Picture::FromBitmap(bmp);
    EXPECT_EQ(a.Width(), 7);
    EXPECT_EQ(a.Height(), 3);
    {
      zel::Picture b = a;
      EXPECT_TRUE(b == a);
      EXPECT_EQ(b.Handle(), bmp);
    }
    EXPECT_TRUE(IsGdiObject(bmp));
  }
  EXPECT_FALSE(IsGdiObject(bmp));
}

TEST(Picture, EmptyPictureHasNoSize) {
  zel::Picture none;
  EXPECT_FALSE(none);
  EXPECT_EQ(none.Handle(), nullptr);
  EXPECT_EQ(none.Width(), 0);
}

}  // namespace
