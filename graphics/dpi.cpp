#include "graphics/dpi.h"

#include <cmath>

namespace zel {

int Dpi::TwipsToPixels(float twips) const {
  return static_cast<int>(std::lround(static_cast<double>(twips) * dots_ / 1440.0));
}

float Dpi::PixelsToTwips(int pixels) const {
  return static_cast<float>(pixels) * (1440.0f / static_cast<float>(dots_));
}

LONG Dpi::FontHeight(float points) const {
  return -static_cast<LONG>(std::lround(points * static_cast<float>(dots_) / 72.0f));
}

}  // namespace zel
