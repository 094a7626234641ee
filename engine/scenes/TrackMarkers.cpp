// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/scenes/TrackMarkers.h"

#include "engine/scenes/Drawing.h"

namespace engine {

void EraseSeenFrontLeaveTrail(const RunContext& c) {
  platform::Surface& s = c.picture();
  const ScreenPoint oldFront = OnScreen(c.m, c.run, c.run.xsold, c.run.ysold);
  const double k = c.run.markScale;
  for (double radius : {60.0, 40.0, 20.0}) DrawDot(s, oldFront, radius * k, c.m.bgcolor);
  DrawDot(s, OnScreen(c.m, c.run, c.run.xeold, c.run.yeold), 15 * k, c.m.colours.trail);
}

void DrawSeenEnds(const RunContext& c) {
  platform::Surface& s = c.picture();
  const double radius = 15 * c.run.markScale;
  DrawDot(s, OnScreen(c.m, c.run, c.run.xs, c.run.ys), radius, c.m.colours.seenEnd);
  DrawDot(s, OnScreen(c.m, c.run, c.run.xe, c.run.ye), radius, c.m.colours.seenEnd);
}

}  // namespace engine
