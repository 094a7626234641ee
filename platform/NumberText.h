// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The leading decimal number of a text, blanks skipped; 0 when there is
// none or when it does not fit a double.
double ParseNumber(std::string_view text);

// Decimal text of a number with at most 15 significant digits, never in
// exponent form, whole values without a decimal point, -0 as "0".
std::string PlainNumberText(double number);

// PlainNumberText with one leading blank when the number is not negative.
std::string PaddedNumberText(double number);

}  // namespace platform
