// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace platform {

// A colour as the program stores it: 0x00BBGGRR.
using Rgb = std::uint32_t;

constexpr Rgb RGB(int r, int g, int b) {
  return static_cast<Rgb>(r) + 256U * static_cast<Rgb>(g) + 65536U * static_cast<Rgb>(b);
}

constexpr int RedOf(Rgb c) {
  return static_cast<int>(c & 0xFFU);
}
constexpr int GreenOf(Rgb c) {
  return static_cast<int>((c >> 8U) & 0xFFU);
}
constexpr int BlueOf(Rgb c) {
  return static_cast<int>((c >> 16U) & 0xFFU);
}

// The 16-colour palette; indices outside 0..15 wrap into it so a bad index
// can never read past the table.
Rgb PaletteColor(int index);

}  // namespace platform
