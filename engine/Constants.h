// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace engine {

// The demonstration's own values of pi and its multiples. They are kept as
// written, not full precision, so every angle and lap length comes out as
// the demonstration has always shown it.
inline constexpr double kPi = 3.141592653589;
inline constexpr double kHalfPi = 3.141592653589 / 2;
inline constexpr double kThreeHalfPi = 4.7123889803834995;
inline constexpr double kTwoPi = 6.283185307178;
inline constexpr double kFourPi = 12.566370614356;

}  // namespace engine
