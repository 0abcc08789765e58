#include "forms/twips.h"

#include <cmath>

#include "graphics/screen_dpi.h"

namespace zel {

float TwipsPerPixel() {
  static const float twips = 1440.0f / static_cast<float>(ScreenDpi(LOGPIXELSX));
  return twips;
}

int TwipsToPixels(float twips) { return static_cast<int>(std::nearbyint(twips / TwipsPerPixel())); }

float PixelsToTwips(int pixels) { return static_cast<float>(pixels) * TwipsPerPixel(); }

}  // namespace zel
