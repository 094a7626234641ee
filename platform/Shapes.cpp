// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Shapes.h"

#include <cmath>

namespace platform {

int ToSixteenths(double radians) {
  constexpr double kPi = 3.14159265358979323846;
  return static_cast<int>(std::lround(radians * 180.0 / kPi * 16.0));
}

std::optional<ArcSweep> SweepOf(float start, float end) {
  const int from = ToSixteenths(start);
  int to = ToSixteenths(end);
  if (end < start) to += kSixteenthsPerTurn;
  if (to == from) return std::nullopt;
  return ArcSweep{from, to - from};
}

CircleAsDrawn CircleOf(double radius, double pen) {
  if (radius <= pen) return {true, radius + pen / 2};
  return {false, radius};
}

std::string PlainLines(std::string_view text) {
  std::string lines;
  for (char c : text) {
    if (c != '\r') lines += c;
  }
  if (!lines.empty() && lines.back() == '\n') lines.pop_back();
  return lines;
}

}  // namespace platform
