// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NumberText.h"

#include <locale.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace platform {
namespace {

// The C locale, whatever the user's: a point, never a comma, on every build.
locale_t CLocale() {
  static const locale_t kCLocale = newlocale(LC_ALL_MASK, "C", locale_t{});
  return kCLocale;
}

// printf's exact decimal conversion, in the C locale for this thread.
std::string printed(const char* format, int precision, double number) {
  const locale_t previous = uselocale(CLocale());
  std::array<char, 400> buffer{};
  const int length = std::snprintf(buffer.data(), buffer.size(), format, precision, number);
  uselocale(previous);
  return std::string(buffer.data(), static_cast<std::size_t>(std::max(length, 0)));
}

}  // namespace

std::string PlainNumberText(double number) {
  if (!std::isfinite(number)) return "0";
  if (number == 0.0) return "0";
  const double magnitude = std::fabs(number);
  std::string text;
  if (magnitude >= 1e-4 && magnitude < 1e15) {
    text = printed("%.*g", 15, number);
  } else {
    // Outside general format's plain range: round to 15 significant digits,
    // then write in fixed form without trailing zeros.
    const int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    text = printed("%.*f", exponent >= 14 ? 0 : 14 - exponent, number);
  }
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") return "0";
  return text;
}

std::string PaddedNumberText(double number) {
  std::string text = PlainNumberText(number);
  return text.front() == '-' ? text : " " + text;
}

}  // namespace platform
