// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NumberText.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>

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

}  // namespace

double ParseNumber(std::string_view text) {
  std::string s = withoutBlanks(text);
  std::size_t length = numberPrefixLength(s);
  if (length == 0) return 0.0;
  std::string number = s.substr(0, length);
  for (char& c : number) {
    if (c == 'd' || c == 'D') c = 'e';
  }
  // from_chars takes no leading '+'.
  std::size_t begin = number[0] == '+' ? 1 : 0;
  double value = 0.0;
  auto [end, error] = std::from_chars(number.data() + begin, number.data() + number.size(), value);
  if (error != std::errc() || !std::isfinite(value)) return 0.0;
  return value;
}

std::string PlainNumberText(double number) {
  if (!std::isfinite(number)) return "0";
  if (number == 0.0) return "0";
  std::array<char, 400> buffer{};
  char* first = buffer.data();
  char* last = buffer.data() + buffer.size();
  double magnitude = std::fabs(number);
  std::to_chars_result result{};
  if (magnitude >= 1e-4 && magnitude < 1e15) {
    result = std::to_chars(first, last, number, std::chars_format::general, 15);
  } else {
    // Outside general format's plain range: round to 15 significant digits,
    // then write in fixed form without trailing zeros.
    int exponent = static_cast<int>(std::floor(std::log10(magnitude)));
    int decimals = exponent >= 14 ? 0 : 14 - exponent;
    result = std::to_chars(first, last, number, std::chars_format::fixed, decimals);
  }
  std::string text(first, result.ptr);
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
