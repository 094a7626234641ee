// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/scenes/TrackMarkers.h"

#include "engine/scenes/Drawing.h"

namespace engine {

void EraseSeenFrontLeaveTrail(const RunContext& c) {
  platform::Surface& s = c.picture();
  const ScreenPoint oldFront = OnScreen(c.m, c.run, c.run.xsold, c.run.ysold);
  for (double radius : {60.0, 40.0, 20.0}) DrawDot(s, oldFront, radius, c.m.bgcolor);
  DrawDot(s, OnScreen(c.m, c.run, c.run.xeold, c.run.yeold), 15, c.m.colours.trail);
}

void DrawSeenEnds(const RunContext& c) {
  platform::Surface& s = c.picture();
  DrawDot(s, OnScreen(c.m, c.run, c.run.xs, c.run.ys), 15, c.m.colours.seenEnd);
  DrawDot(s, OnScreen(c.m, c.run, c.run.xe, c.run.ye), 15, c.m.colours.seenEnd);
}

}  // namespace engine
