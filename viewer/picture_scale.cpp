#include "viewer/picture_scale.h"

#include <algorithm>

namespace zel {

int PictureScaleFor(Dpi dpi) {
  const int percent = dpi.Dots() * 100 / Dpi::kDesign;
  int chosen = kPictureScales.front();
  for (int scale : kPictureScales)
    if (scale <= percent) chosen = scale;
  return chosen;
}

int PictureSetIndex(int percent) {
  const auto* it = std::find(kPictureScales.begin(), kPictureScales.end(), percent);
  return it == kPictureScales.end() ? 0 : static_cast<int>(it - kPictureScales.begin());
}

FrameDescription ScaledFrame(const FrameDescription& design, int percent) {
  auto scale = [percent](int v) { return ScaleBy(v, percent, 100); };
  FrameDescription f = design;
  f.ButtonHeight = scale(design.ButtonHeight);
  f.ButtonWidth = scale(design.ButtonWidth);
  f.ButtonOffsetX = scale(design.ButtonOffsetX);
  f.ButtonOffsetY = scale(design.ButtonOffsetY);
  f.LeftEnd = scale(design.LeftEnd);
  f.ActiveRight = f.LeftEnd + (design.ActiveRight - design.LeftEnd);
  f.RightEnd = scale(design.RightEnd);
  f.LeftBorderWidth = scale(design.LeftBorderWidth);
  f.RightBorderWidth = f.LeftBorderWidth + (design.RightBorderWidth - design.LeftBorderWidth);
  f.TopBorderHeight = scale(design.TopBorderHeight);
  f.BottomBorderHeight = scale(design.BottomBorderHeight);
  return f;
}

}  // namespace zel
