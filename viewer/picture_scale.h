// The viewer's pictures (skins and bars) are drawn for four scales; a window
// shows the largest set not above its own scale, never a resampled picture.
#pragma once

#include <array>

#include "graphics/dpi.h"
#include "skin/frame_description.h"

namespace zel {

inline constexpr std::array<int, 4> kPictureScales{100, 125, 150, 200};

// The percentage of the set for a resolution: 175 % shows the 150 % set, 250 % the 200 % set.
int PictureScaleFor(Dpi dpi);
// The set's position in kPictureScales (0 for 100 %).
int PictureSetIndex(int percent);

// A frame designed for the 100 % pictures, for the set of `percent`. The primary
// lengths (button size and place, the caption's ends, the borders' width and the
// unused heights) are scaled with ScaleBy; the rest follow from them as at 100 %:
// the middle tile stays as wide, the right edge as wide as the left.
FrameDescription ScaledFrame(const FrameDescription& design, int percent);

}  // namespace zel
