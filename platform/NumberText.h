// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace platform {

// Decimal text of a number with at most 15 significant digits, never in
// exponent form, whole values without a decimal point, -0 as "0".
std::string PlainNumberText(double number);

// PlainNumberText with one leading blank when the number is not negative.
std::string PaddedNumberText(double number);

}  // namespace platform
