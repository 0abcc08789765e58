#include "platform/form_types.h"

#include <cmath>

namespace zel {

COLORREF ResolveColor(OleColor color) {
  if (color & 0x80000000u) return GetSysColor(static_cast<int>(color & 0xFFu));
  return color & 0x00FFFFFFu;
}

float TwipsPerPixel() {
  static const float twips = [] {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSX) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return 1440.0f / static_cast<float>(dpi > 0 ? dpi : 96);
  }();
  return twips;
}

int TwipsToPixels(float twips) { return static_cast<int>(std::nearbyint(twips / TwipsPerPixel())); }

float PixelsToTwips(int pixels) { return static_cast<float>(pixels) * TwipsPerPixel(); }

}  // namespace zel
