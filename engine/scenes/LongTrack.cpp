// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/scenes/LongTrack.h"

#include <utility>

#include "engine/Constants.h"
#include "engine/scenes/Drawing.h"
#include "engine/scenes/ReadoutRow.h"
#include "engine/scenes/TrackMarkers.h"

namespace engine {
namespace {

// Room left at each side of the long track: the widest marker (a ring of
// 60 twips and its pen) and a window border.
constexpr double kTrackMargin = 120;

// Which sections of the lap a train of length L with its front at p covers.
struct Sections {
  double R;
  double L;

  bool top(double p) const { return 0 < p && p < 2 * R + L; }
  bool rightCircle(double p) const { return 2 * R < p && p < 2 * R + kPi * R + L; }
  bool bottom(double p) const { return 2 * R + kPi * R < p && p < 4 * R + kPi * R + L; }
  bool leftCircle(double p) const {
    return (0 <= p && p < L) || (4 * R + kPi * R < p && p < 4 * R + 2 * kPi * R);
  }
};

void topStraightPiece(RunState& run, double R, double L) {
  run.sfront = run.pos1;
  run.srear = run.pos1 - L;
  if (run.srear < 0) run.srear = 0;
  if (run.sfront > 2 * R) run.sfront = 2 * R;
}

void rightCirclePieces(RunState& run, double R, double L) {
  run.arcs = (run.pos1 - 2 * R) / R;
  run.arce = run.arcs - L / R;
  run.arcs = kHalfPi - run.arcs;
  run.arce = kHalfPi - run.arce;
  run.arcs2 = run.arcs + kTwoPi;
  run.arce2 = run.arce + kTwoPi;
  if (run.arcs < 0) run.arcs = 0;
  if (run.arce > kHalfPi) run.arce = kHalfPi;
  if (run.arcs2 > kTwoPi) run.arcs2 = kTwoPi;
  if (run.arce2 > kTwoPi) run.arce2 = kTwoPi;
  if (run.arcs2 < kThreeHalfPi) run.arcs2 = kThreeHalfPi;
}

void bottomStraightPiece(RunState& run, double R, double L) {
  run.sfront = run.pos1 - 2 * R - kPi * R;
  run.srear = run.sfront - L;
  if (run.srear < 0) run.srear = 0;
  if (run.sfront > 2 * R) run.sfront = 2 * R;
}

void leftCirclePiece(RunState& run, double R, double L) {
  if (run.pos1 > L) {
    run.arcs = (run.pos1 - 4 * R - 2 * kPi * R) / R;
  } else {
    run.arcs = run.pos1 / R;
  }
  run.arcs = kHalfPi - run.arcs;
  run.arce = run.arcs + L / R;
  if (run.arcs < kHalfPi) run.arcs = kHalfPi;
  if (run.arce > kThreeHalfPi) run.arce = kThreeHalfPi;
}

// One frame's train pieces, and which sections they are drawn in.
struct TrainPieces {
  bool top, rightCircle, bottom, leftCircle;
  double sfront, srear, arcs, arce, arcs2, arce2;
};

enum class Section { Top, RightCircle, Bottom, LeftCircle };

// Draws (or, in the background colour, erases) the pieces of one section.
void drawSection(const RunContext& c, const TrainPieces& t, Section section, platform::Rgb colour) {
  const RunState& run = c.run;
  platform::Surface& s = c.picture();
  const double scale = c.m.fract;
  const auto y0 = static_cast<float>(run.y0);
  const auto radius = static_cast<float>(run.rscreen);
  const auto x1 = static_cast<float>(run.x1dis);
  switch (section) {
    case Section::Top:
      if (!t.top) return;
      s.DrawLine(static_cast<float>(run.x0dis + scale * t.srear),
                 static_cast<float>(run.y0 - c.m.rtrack * scale),
                 static_cast<float>(run.x0dis + scale * t.sfront),
                 static_cast<float>(run.y0 - c.m.rtrack * scale), colour);
      return;
    case Section::RightCircle:
      if (!t.rightCircle) return;
      if (t.arce > 0) {
        s.DrawCircle(x1, y0, radius, colour, static_cast<float>(t.arcs),
                     static_cast<float>(t.arce));
      }
      if (t.arcs2 != kTwoPi) {
        s.DrawCircle(x1, y0, radius, colour, static_cast<float>(t.arcs2),
                     static_cast<float>(t.arce2));
      }
      return;
    case Section::Bottom: {
      if (!t.bottom) return;
      const double xr = run.x0dis + 2 * run.rscreen;
      s.DrawLine(static_cast<float>(xr - scale * t.sfront),
                 static_cast<float>(run.y0 + c.m.rtrack * scale),
                 static_cast<float>(xr - scale * t.srear),
                 static_cast<float>(run.y0 + c.m.rtrack * scale), colour);
      return;
    }
    case Section::LeftCircle:
      if (t.leftCircle) DrawObserverArc(s, run, run.rscreen, colour, t.arcs, t.arce);
      return;
  }
}

// Section by section, the previous frame's piece is erased, then the new
// one drawn.
void eraseAndDrawTrain(const RunContext& c, const TrainPieces& old, const TrainPieces& now) {
  for (Section section :
       {Section::Top, Section::RightCircle, Section::Bottom, Section::LeftCircle}) {
    drawSection(c, old, section, c.m.bgcolor);
    drawSection(c, now, section, c.m.colours.train);
  }
}

TrainPieces piecesAt(const Sections& sections, double p, double sfront, double srear, double arcs,
                     double arce, double arcs2, double arce2) {
  return {sections.top(p),
          sections.rightCircle(p),
          sections.bottom(p),
          sections.leftCircle(p),
          sfront,
          srear,
          arcs,
          arce,
          arcs2,
          arce2};
}

}  // namespace

void WideWindowLayout(RunContext& c, double widthFactor) {
  platform::Window& window = c.form2.window;
  // Computed in double, stored in single, like every window geometry.
  window.setWidth(static_cast<float>(window.height() * widthFactor));
  // The row spreads across the client area, inside the window's frame; a
  // low window widens by as much as the row and its gaps need.
  window.widenClientTo(ReadoutRowLeastWidth(c.form2));
  PlaceSpreadRow(c);
}

// A tall window would make the track (four radii wide) wider than the
// window (1.4 heights): the scale is held where the whole track and its
// markers fit. At ordinary heights the window is wide enough already.
void FitTrackToWindowWidth(RunContext& c) {
  Module1& m = c.m;
  const double margin = kTrackMargin * c.run.markScale;
  const double widest = (c.form2.window.width() / 2.0 - margin) / (2 * m.rtrack);
  if (m.fract <= widest) return;
  m.fract = widest;
  SetScreenRadii(c.run, m.rtrack, m.fract);
}

void LongTrackLayout(RunContext& c, double widthFactor) {
  WideWindowLayout(c, widthFactor);
  FitTrackToWindowWidth(c);
  c.run.x0dis = c.form2.window.width() / 2.0 - c.m.rtrack * c.m.fract;
  c.run.x1dis = c.run.x0dis + 2 * c.run.rscreen;
}

void LongTrackTrainPieces(const Module1& m, RunState& run) {
  const Sections at{m.rtrack, run.ltrainc};
  if (at.top(run.pos1)) topStraightPiece(run, at.R, at.L);
  if (at.rightCircle(run.pos1)) rightCirclePieces(run, at.R, at.L);
  if (at.bottom(run.pos1)) bottomStraightPiece(run, at.R, at.L);
  if (at.leftCircle(run.pos1)) leftCirclePiece(run, at.R, at.L);
}

void LongTrackFrame(RunContext& c) {
  const Module1& m = c.m;
  RunState& run = c.run;
  platform::Surface& s = c.picture();
  const platform::Rgb bg = m.bgcolor;
  LongTrackTrainPieces(m, run);

  // The erase tests use the length the previous frame drew with: with this
  // frame's shorter length a piece drawn last frame could escape its erase.
  const double drawnLength = run.ltraincDrawn < 0 ? run.ltrainc : run.ltraincDrawn;
  const TrainPieces old =
      piecesAt({m.rtrack, drawnLength}, run.pos1old, run.sfrontold, run.srearold, run.arcsold,
               run.arceold, run.arcs2old, run.arce2old);
  const TrainPieces now = piecesAt({m.rtrack, run.ltrainc}, run.pos1, run.sfront, run.srear,
                                   run.arcs, run.arce, run.arcs2, run.arce2);

  EraseSeenFrontLeaveTrail(c);
  eraseAndDrawTrain(c, old, now);
  DrawSeenEnds(c);
  DrawObserverArc(s, run, run.rhalf, bg, run.angsold, run.angeold);
  if (run.pos1s < run.pos1e) std::swap(run.angs, run.ange);
  DrawObserverArc(s, run, run.rhalf, m.colours.direction, run.angs, run.ange);
  run.ltraincDrawn = run.ltrainc;
}

}  // namespace engine
