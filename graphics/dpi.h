// A resolution in dots per inch, and the one rounding every scaled length uses.
#pragma once

#include <windows.h>

namespace zel {

// v × num / den to the nearest integer, halves away from zero.
constexpr int ScaleBy(int v, int num, int den) {
  const long long p = static_cast<long long>(v) * num;
  const long long q = (p < 0 ? -p : p) * 2 + den;
  const int magnitude = static_cast<int>(q / (2LL * den));
  return p < 0 ? -magnitude : magnitude;
}

class Dpi {
 public:
  static constexpr int kDesign = USER_DEFAULT_SCREEN_DPI;  // 96: what pixel designs are made at

  constexpr Dpi() = default;
  // A resolution the system could not tell (0) stays at the design's.
  constexpr explicit Dpi(int dots) : dots_(dots > 0 ? dots : kDesign) {}

  constexpr int Dots() const { return dots_; }
  // A length designed in pixels at 96 DPI, at this resolution.
  constexpr int Scale(int design_pixels) const { return ScaleBy(design_pixels, dots_, kDesign); }
  // Twips (1/1440 inch) and pixels.
  int TwipsToPixels(float twips) const;
  float PixelsToTwips(int pixels) const;
  // LOGFONT's lfHeight for a font of `points`: its character height, negative.
  LONG FontHeight(float points) const;

  constexpr bool operator==(const Dpi&) const = default;

 private:
  int dots_ = kDesign;
};

}  // namespace zel
