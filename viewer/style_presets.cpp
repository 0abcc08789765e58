#include "viewer/style_presets.h"

namespace zel {

namespace {

// Styles without an alternate background give "xa" controls the plain one.
constexpr StylePreset kPresets[] = {
    {0,
     L"Midnight",
     {16, 32, -8, 6, 250, 251, 350, 6, 6, 6, 4},
     0x008E503D,
     0x00FFFFFF,
     0x00FFFFFF,
     false,
     0,
     0},
    {1,
     L"Leaf",
     {16, 32, -8, 6, 250, 251, 350, 6, 6, 6, 4},
     0x00836323,
     0x00EEEFEE,
     0x00EEEFEE,
     false,
     0,
     0},
    {2,
     L"Frost",
     {16, 32, -8, 6, 250, 251, 350, 6, 6, 6, 4},
     0x00883F29,
     0x00F8EEEE,
     0x00F8EEEE,
     true,
     1,
     0x00999999},
    {3,
     L"Ocean",
     {16, 32, -8, 6, 250, 251, 350, 6, 6, 6, 4},
     0x008E503D,
     0x00F8F4F3,
     0x00F8F4F3,
     false,
     0,
     0},
    {4,
     L"Alpha",
     {17, 17, -4, 9, 250, 251, 383, 10, 10, 1, 1},
     0x00444444,
     0x00FEFEFE,
     0x00A5AFB4,
     true,
     1,
     0x00FEFEFE},
    {5,
     L"Alpha Wire",
     {12, 16, -12, 6, 250, 251, 400, 12, 12, 1, 1},
     0x00B57144,
     0x00D5C8C2,
     0x00D5C8C2,
     true,
     1,
     0x00999999},
    {6,
     L"Hybrid",
     {15, 15, -8, 5, 289, 290, 375, 5, 5, 1, 1},
     0x00B57144,
     0x00FFFFFF,
     0x00FFFFFF,
     true,
     0,
     0x00D5C8C2},
};

}  // namespace

std::span<const StylePreset> StylePresets() { return kPresets; }

const StylePreset* FindStylePreset(int16_t style) {
  return style >= 0 && style <= 6 ? &kPresets[style] : nullptr;
}

std::optional<int16_t> StyleForOption(int16_t index) {
  if (index < 0 || index > 6) return std::nullopt;
  if (index == 0) return int16_t{2};
  if (index == 2) return int16_t{0};
  return index;
}

}  // namespace zel
