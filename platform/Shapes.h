// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

// The lines of a multi-line box's text: ended by CR LF in the program,
// plain lines on the screen, without a last empty one.
std::string PlainLines(std::string_view text);

}  // namespace platform
