// The strips of the frame kept composed between paints, each with what it was
// composed from: a paint composes a strip again only when something it shows
// differs, so that a repaint with nothing changed is only the copies to the window.
#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "skin/frame_parts.h"

namespace zel::frame {

// The style bits the caption shows: which buttons, and the maximize or restore glyph.
constexpr LONG kCaptionStyleBits = WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_MAXIMIZE;

// The caption bar with its buttons.
struct CaptionInputs {
  int left = 0, width = 0;  // the window's left in the buffer, and W
  bool active = false;
  LONG style = 0;                            // the window's kCaptionStyleBits
  std::array<bool, kButtonCount> pressed{};  // drawn pressed: flag set, cursor on it
  bool operator==(const CaptionInputs&) const = default;
};

// The side strip, tiles 0 and 4 repeated down the whole surface.
struct SideInputs {
  int ySrc = 0;  // the borders picture's row: active or inactive tiles
  bool operator==(const SideInputs&) const = default;
};

// The bottom strip: edge tiles along the whole surface, the two corners for W.
struct BottomInputs {
  int width = 0;  // W
  int ySrc = 0;
  bool operator==(const BottomInputs&) const = default;
};

// What a strip was composed from; empty while it must be composed.
template <class Inputs>
class KeptStrip {
 public:
  // Records `now`; true when the strip must be composed for it: never composed,
  // composed from other inputs, or its surface made again (`remade`), which lost it.
  bool Stale(const Inputs& now, bool remade) {
    if (!remade && kept_ == now) return false;
    kept_ = now;
    return true;
  }
  void Discard() { kept_.reset(); }

 private:
  std::optional<Inputs> kept_;
};

}  // namespace zel::frame
