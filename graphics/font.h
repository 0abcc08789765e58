// Fonts described as the form designer stores them: face, points, character set.
#pragma once

#include <windows.h>

#include <string>

#include "graphics/dpi.h"
#include "graphics/gdi.h"

namespace zel {

struct FontDescription {
  std::wstring face;
  float points = 8.25f;
  BYTE charset = DEFAULT_CHARSET;
  bool bold = false;
};

// The font at the resolution of the window that shows it.
UniqueFont CreateFormFont(const FontDescription& font, Dpi dpi);

}  // namespace zel
