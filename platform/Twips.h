// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

namespace platform {

// Twips per logical pixel: 1440 twips to the inch at 96 logical pixels.
inline constexpr float kTwipsPerPixel = 15.0F;

inline float ToPixels(float twips) {
  return twips / kTwipsPerPixel;
}

// A zoom shows the stored layout larger as a whole: zoom times as many
// pixels to the twip.
inline int ToWholePixels(float twips, double zoom = 1) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel * zoom));
}
inline float ToTwips(int pixels, double zoom = 1) {
  return static_cast<float>(pixels * static_cast<double>(kTwipsPerPixel) / zoom);
}

}  // namespace platform
