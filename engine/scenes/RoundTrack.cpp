// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/scenes/RoundTrack.h"

#include "engine/Constants.h"
#include "engine/scenes/Drawing.h"
#include "engine/scenes/ReadoutRow.h"
#include "engine/scenes/TrackMarkers.h"

namespace engine {
namespace {

constexpr double kReadoutGaps = 100;  // two gaps of 50 twips in the readout row
// A front this close to a full turn leaves no second piece worth drawing.
constexpr double kFullTurnCut = 6.273185307178;

}  // namespace

void RoundTrackLayout(RunContext& c, double widthFactor) {
  RunState& run = c.run;
  platform::Window& window = c.form2.window;
  run.rowwidth += kReadoutGaps;
  window.setWidth(static_cast<float>(window.height() * widthFactor));
  // The row must fit the client area, which the frame makes narrower than
  // the window.
  window.widenClientTo(static_cast<float>(run.rowwidth));
  PlaceCentredRow(c);
  run.x0dis = window.width() / 2.0;
  c.m.tracklen = c.m.rtrack * kTwoPi;
}

void RoundTrackTrainArcs(const Module1& m, RunState& run) {
  run.arcs = kHalfPi - run.pos1 / m.rtrack;
  run.arce = kHalfPi - (run.pos1 / m.rtrack - run.ltrainc / m.rtrack);
  if (run.arcs < 0) run.arcs += kTwoPi;
  if (run.arce < 0) run.arce += kTwoPi;
  if (run.arcs < run.arce) {
    run.arcs2 = run.arce2 = 0;
    return;
  }
  // The train crosses angle 0: one piece up to the rear, one from the front.
  run.arcs2 = run.arcs;
  run.arce2 = kTwoPi;
  run.arcs = 0;
  if (run.arcs2 > kFullTurnCut) run.arcs2 = run.arce2 = 0;
}

void RoundTrackFrame(RunContext& c) {
  const Module1& m = c.m;
  RunState& run = c.run;
  platform::Surface& s = c.picture();
  const platform::Rgb bg = m.bgcolor;
  RoundTrackTrainArcs(m, run);

  EraseSeenFrontLeaveTrail(c);
  DrawObserverArc(s, run, run.rscreen, bg, run.arcsold, run.arceold);
  if (run.arcs2old != run.arce2old) {
    DrawObserverArc(s, run, run.rscreen, bg, run.arcs2old, run.arce2old);
  }
  DrawObserverArc(s, run, run.rscreen, m.colours.train, run.arcs, run.arce);
  if (run.arcs2 != run.arce2) {
    DrawObserverArc(s, run, run.rscreen, m.colours.train, run.arcs2, run.arce2);
  }
  DrawSeenEnds(c);
  DrawObserverArc(s, run, run.rhalf, bg, run.angsold, run.angeold);
  DrawObserverArc(s, run, run.rhalf, m.colours.direction, run.angs, run.ange);
}

}  // namespace engine
