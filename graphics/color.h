// Colours as the form designer stores them.
#pragma once

#include <windows.h>

#include <cstdint>

namespace zel {

// 0x00BBGGRR, or 0x80000000 | n for the system colour n of the current scheme.
using OleColor = uint32_t;
COLORREF ResolveColor(OleColor color);

}  // namespace zel
