#include "graphics/screen_dpi.h"

#include "graphics/gdi.h"

namespace zel {

int ScreenDpi(int axis) {
  WindowDc screen;
  const int dpi = screen.dc() ? GetDeviceCaps(screen.dc(), axis) : 0;
  return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

}  // namespace zel
