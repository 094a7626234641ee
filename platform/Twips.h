// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

namespace platform {

// Twips per logical pixel: 1440 twips to the inch at 96 logical pixels.
inline constexpr float kTwipsPerPixel = 15.0F;

inline float ToPixels(float twips) {
  return twips / kTwipsPerPixel;
}
inline int ToWholePixels(float twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
inline float ToTwips(int pixels) {
  return static_cast<float>(pixels) * kTwipsPerPixel;
}

}  // namespace platform
