// The values of a skinned frame's properties other than its two pictures: the
// caption buttons' and the borders' metrics in pixels, and three flags and the
// offset as the frame takes them (16-bit Booleans, True = -1). A value made with
// {} is all zero, as a new frame object holds it.
#pragma once

#include <cstdint>

struct FrameDescription {
  int32_t ButtonHeight = 0;
  int32_t ButtonWidth = 0;
  int32_t ButtonOffsetX = 0;
  int32_t ButtonOffsetY = 0;
  int32_t LeftEnd = 0;
  int32_t ActiveRight = 0;
  int32_t RightEnd = 0;
  int32_t LeftBorderWidth = 0;
  int32_t RightBorderWidth = 0;
  int32_t TopBorderHeight = 0;
  int32_t BottomBorderHeight = 0;
  int16_t BorderHasInactive = 0;
  int16_t ControlHasInactive = 0;
  int16_t ControlButtonPosition = 0;
  int32_t Offset = 0;

  bool operator==(const FrameDescription&) const = default;
};
