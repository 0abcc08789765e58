// Twips, design bounds and outcomes shared by the form layer.
#pragma once

#include <windows.h>

namespace zel {

// What became of a property write or a method call made by name. Callers that
// walk the control collection skip anything but kDone and go on.
enum class Outcome { kDone, kNotSupported, kRejected };

// Design positions are in twips; 15 twips make one pixel at 96 dpi.
float TwipsPerPixel();
int TwipsToPixels(float twips);
float PixelsToTwips(int pixels);

// Position and size of a control in twips, relative to its container.
struct Bounds {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
};

}  // namespace zel
