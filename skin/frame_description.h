// The values of a skinned frame's properties other than its two pictures: the
// caption buttons' and the borders' metrics in pixels, and three flags and the
// offset as the frame takes them (16-bit Booleans, True = -1).
#pragma once

#include <cstdint>

struct FrameDescription {
  int32_t ButtonHeight;
  int32_t ButtonWidth;
  int32_t ButtonOffsetX;
  int32_t ButtonOffsetY;
  int32_t LeftEnd;
  int32_t ActiveRight;
  int32_t RightEnd;
  int32_t LeftBorderWidth;
  int32_t RightBorderWidth;
  int32_t TopBorderHeight;
  int32_t BottomBorderHeight;
  int16_t BorderHasInactive = 0;
  int16_t ControlHasInactive = -1;
  int16_t ControlButtonPosition = -1;
  int32_t Offset = 0;

  bool operator==(const FrameDescription&) const = default;
};
