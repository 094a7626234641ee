// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/scenes/RoundTrack.h"

#include "engine/Constants.h"
#include "engine/scenes/Drawing.h"
#include "engine/scenes/TrackMarkers.h"

namespace engine {
namespace {

constexpr double kReadoutGaps = 100;  // two gaps of 50 twips in the readout row
// A front this close to a full turn leaves no second piece worth drawing.
constexpr double kFullTurnCut = 6.273185307178;

void placeReadoutRow(TrackDisplayView& f2, double rowwidth) {
  const float width = f2.window.clientWidth();
  f2.Llength_obs.setLeft(static_cast<float>((width - rowwidth) / 2));
  f2.Tlength_obs.setLeft(f2.Llength_obs.left() + f2.Llength_obs.width());
  f2.Lv_obs.setLeft(f2.Tlength_obs.left() + f2.Tlength_obs.width() + 50);
  f2.Tv_obs.setLeft(f2.Lv_obs.left() + f2.Lv_obs.width());
  f2.LLocalTime.setLeft(f2.Tv_obs.left() + f2.Tv_obs.width() + 50);
  f2.TLocalTime.setLeft(f2.LLocalTime.left() + f2.LLocalTime.width());
}

}  // namespace

void RoundTrackLayout(RunContext& c, double widthFactor) {
  RunState& run = c.run;
  TrackDisplayView& f2 = c.form2;
  platform::Window& window = f2.window;
  run.rowwidth += kReadoutGaps;
  window.setWidth(static_cast<float>(window.height() * widthFactor));
  // The row must fit the client area, which the frame makes narrower than
  // the window.
  window.widenClientTo(static_cast<float>(run.rowwidth));
  placeReadoutRow(f2, run.rowwidth);
  f2.Text5.setLeft((window.width() - f2.Text5.width()) / 2);
  f2.Lv_obs.setTop(window.height() - kRowAboveBottom);
  for (platform::Control* readout :
       {&f2.Tv_obs, &f2.Llength_obs, &f2.Tlength_obs, &f2.LLocalTime, &f2.TLocalTime}) {
    readout->setTop(f2.Lv_obs.top());
  }
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
