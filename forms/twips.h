// Design bounds in twips and outcomes shared by the form layer; a form's Dpi
// turns twips into pixels.
#pragma once

#include <windows.h>

namespace zel {

// What became of a property write or a method call made by name. Callers that
// walk the control collection skip anything but kDone and go on.
enum class Outcome { kDone, kNotSupported, kRejected };

// Position and size of a control in twips, relative to its container.
struct Bounds {
  float left = 0;
  float top = 0;
  float width = 0;
  float height = 0;
};

}  // namespace zel
