// Pictures decoded from bytes: by the codec the signature names, by the system's
// own search for any other format, and nothing for bytes no codec takes.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "graphics/gdi.h"
#include "graphics/image_decoder.h"

namespace {

void Put16(std::vector<uint8_t>& out, uint16_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, static_cast<uint16_t>(v));
  Put16(out, static_cast<uint16_t>(v >> 16));
}
void PutInfoHeader(std::vector<uint8_t>& out, int32_t width, int32_t height, uint16_t bits) {
  for (uint32_t v : {40u, static_cast<uint32_t>(width), static_cast<uint32_t>(height)})
    Put32(out, v);
  Put16(out, 1);
  Put16(out, bits);
  for (int i = 0; i < 6; ++i) Put32(out, 0);  // BI_RGB, no palette
}

// A 24-bit file of two pixels in one row: red, then blue.
std::vector<uint8_t> TwoPixelBmp() {
  std::vector<uint8_t> out{'B', 'M'};
  Put32(out, 14 + 40 + 8);
  Put32(out, 0);
  Put32(out, 14 + 40);
  PutInfoHeader(out, 2, 1, 24);
  for (uint8_t b : {0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x00}) out.push_back(b);
  return out;
}

// An icon file (no signature of the decoder's own) of one green 32-bit pixel.
std::vector<uint8_t> OnePixelIcon() {
  std::vector<uint8_t> out;
  Put16(out, 0);
  Put16(out, 1);  // icon
  Put16(out, 1);  // one image
  out.insert(out.end(), {1, 1, 0, 0});
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 40 + 4 + 4);
  Put32(out, 22);
  PutInfoHeader(out, 1, 2, 32);  // colour and mask rows
  Put32(out, 0xFF00FF00);
  Put32(out, 0);
  return out;
}

COLORREF PixelOf(const zel::Picture& picture, int x, int y) {
  zel::MemoryDc dc(nullptr);
  zel::ScopedSelect selected(dc.dc(), picture.Handle());
  return GetPixel(dc.dc(), x, y);
}

TEST(ImageDecoder, DecodesBySignatureBySearchOrNotAtAll) {
  ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
  {
    const std::vector<uint8_t> bmp = TwoPixelBmp();
    zel::Picture two = zel::DecodePicture(bmp.data(), bmp.size());
    ASSERT_TRUE(two);
    EXPECT_EQ(two.Width(), 2);
    EXPECT_EQ(two.Height(), 1);
    EXPECT_EQ(PixelOf(two, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(two, 1, 0), RGB(0, 0, 255));

    const std::vector<uint8_t> icon = OnePixelIcon();
    zel::Picture one = zel::DecodePicture(icon.data(), icon.size());
    ASSERT_TRUE(one);
    EXPECT_EQ(PixelOf(one, 0, 0), RGB(0, 255, 0));

    // A JPEG signature on bytes that are not one, and bytes of no format.
    const uint8_t broken_jpeg[] = {0xFF, 0xD8, 0xFF, 0xE0, 1, 2, 3, 4, 5, 6, 7, 8};
    EXPECT_FALSE(zel::DecodePicture(broken_jpeg, sizeof(broken_jpeg)));
    const uint8_t noise[] = {'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'};
    EXPECT_FALSE(zel::DecodePicture(noise, sizeof(noise)));
  }
  CoUninitialize();
}

}  // namespace
