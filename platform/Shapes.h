// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The rules every surface and control follows alike, whatever it draws or
// shows with, so the desktop and the page decide the same way.

// An arc as drawn: counter-clockwise from `from` through `sweep`, in
// sixteenths of a degree; an end below the start passes through angle 0.
struct ArcSweep {
  int from;
  int sweep;
};
// Nothing for equal angles: the first frame erases such arcs, and a stray
// dot would be left behind.
std::optional<ArcSweep> SweepOf(float start, float end);
inline constexpr int kSixteenthsPerTurn = 360 * 16;
int ToSixteenths(double radians);

// A circle no wider than its pen is all pen: drawn as the disk the pen
// covers, so a ring of the next size up erases it completely. Radii and pen
// in the same unit.
struct CircleAsDrawn {
  bool disk;
  double radius;  // of the disk, or of the ring's middle
};
CircleAsDrawn CircleOf(double radius, double pen);

// The band within `reach` of a segment (or of a point), row by row: where
// a row of pixels from `top` to `bottom` meets it, every such point
// included, from `first` to `last` across; empty when the row misses it.
struct RowSpan {
  double first, last;
  bool empty() const { return first > last; }
};
class Band {
 public:
  Band(double x1, double y1, double x2, double y2, double reach)
      : x1_(x1),
        y1_(y1),
        reach_(reach),
        low_(std::min(y1, y2)),
        high_(std::max(y1, y2)),
        slope_(y1 == y2 ? 0 : (x2 - x1) / (y2 - y1)),
        left_(std::min(x1, x2)),
        right_(std::max(x1, x2)) {}

  double top() const { return low_ - reach_; }
  double bottom() const { return high_ + reach_; }
  // The segment's points whose height lies within reach of the row, widened
  // by the reach: a little more than the band's row, never less.
  RowSpan row(double top, double bottom) const {
    const double from = std::max(top - reach_, low_), to = std::min(bottom + reach_, high_);
    if (from > to) return {1, 0};
    if (low_ == high_) return {left_ - reach_, right_ + reach_};
    const double a = x1_ + (from - y1_) * slope_, b = x1_ + (to - y1_) * slope_;
    return {std::min(a, b) - reach_, std::max(a, b) + reach_};
  }

  // The band as boxes of `rows` rows each, within a picture `height` rows
  // high: what a shape within it changed, as a strip of boxes along a
  // slanting line rather than one box round all of it. Each box is its
  // rows' span, from row `from` to before row `to`.
  template <typename Box>
  void boxes(int rows, int height, Box box) const {
    const int last = std::min(height, static_cast<int>(std::ceil(bottom())) + 1);
    for (int y = std::max(0, static_cast<int>(std::floor(top()))); y < last; y += rows) {
      const int end = std::min(y + rows, last);
      const RowSpan span = row(y, end);
      if (!span.empty()) box(span, y, end);
    }
  }

 private:
  double x1_, y1_, reach_, low_, high_, slope_, left_, right_;
};

// The lines of a multi-line box's text: ended by CR LF in the program,
// plain lines on the screen, without a last empty one.
std::string PlainLines(std::string_view text);

}  // namespace platform
