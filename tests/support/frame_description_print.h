// Lets a failed comparison of two frame descriptions name the values that differ.
#pragma once

#include <ostream>

#include "skin/frame_description.h"

inline void PrintTo(const FrameDescription& d, std::ostream* os) {
  *os << "{ButtonHeight " << d.ButtonHeight << ", ButtonWidth " << d.ButtonWidth
      << ", ButtonOffsetX " << d.ButtonOffsetX << ", ButtonOffsetY " << d.ButtonOffsetY
      << ", LeftEnd " << d.LeftEnd << ", ActiveRight " << d.ActiveRight << ", RightEnd "
      << d.RightEnd << ", LeftBorderWidth " << d.LeftBorderWidth << ", RightBorderWidth "
      << d.RightBorderWidth << ", TopBorderHeight " << d.TopBorderHeight << ", BottomBorderHeight "
      << d.BottomBorderHeight << ", BorderHasInactive " << d.BorderHasInactive
      << ", ControlHasInactive " << d.ControlHasInactive << ", ControlButtonPosition "
      << d.ControlButtonPosition << ", Offset " << d.Offset << "}";
}
