// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NumberText.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <locale.h>

namespace platform {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}
bool isDigit(char c) {
  return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Blanks may stand anywhere inside the number, as they may in the
// toolkit's own conversion; they are dropped before parsing.
std::string withoutBlanks(std::string_view text) {
  std::string kept;
  for (char c : text) {
    if (!isBlank(c)) kept.push_back(c);
  }
  return kept;
}

// Length of the longest prefix that reads as [sign] digits [. digits] [exponent].
std::size_t numberPrefixLength(const std::string& s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && isDigit(s[i])) {
    ++i;
    ++digits;
  }
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && isDigit(s[i])) {
      ++i;
      ++digits;
    }
  }
  if (digits == 0) return 0;
  std::size_t mantissaEnd = i;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < s.size() && isDigit(s[i])) {
      ++i;
      ++expDigits;
    }
    if (expDigits == 0) return mantissaEnd;
  }
  return i;
}

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

double ParseNumber(std::string_view text) {
  std::string s = withoutBlanks(text);
  std::size_t length = numberPrefixLength(s);
  if (length == 0) return 0.0;
  std::string number = s.substr(0, length);
  for (char& c : number) {
    if (c == 'd' || c == 'D') c = 'e';
  }
  // The prefix is plain decimal, so the C library reads it exactly, in the
  // C locale whatever the user's; the same on the desktop and in a browser.
  errno = 0;
  const double value = strtod_l(number.c_str(), nullptr, CLocale());
  if (errno == ERANGE || !std::isfinite(value)) return 0.0;
  return value;
}

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
