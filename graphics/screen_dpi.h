// The screen's resolution, for converting design units to pixels.
#pragma once

#include <windows.h>

namespace zel {

// Dots per inch of the screen along `axis` (LOGPIXELSX or LOGPIXELSY); 96 when
// the screen cannot be asked.
int ScreenDpi(int axis = LOGPIXELSX);

}  // namespace zel
