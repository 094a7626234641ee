// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/scenes/Terrell.h"

#include "engine/scenes/Drawing.h"
#include "engine/scenes/LongTrack.h"

namespace engine {
namespace {

// Width of the sliver drawn for a pair of directions found out of order.
constexpr double kSliver = 0.001;
// How far past the window's right edge the body runs before it restarts.
constexpr double kTerrellWrapMargin = 1500;

// One edge of the body, with the values its previous frame drew.
struct Edge {
  double distance;  // of its line from the observer, drawn unscaled
  double front, rear, frontOld, rearOld;
  double xs, ys, xe, ye, xsOld, ysOld, xeOld, yeOld;
  double angs, ange, angsOld, angeOld;
  double arcRadius;
};

// Only the horizontal is scaled: the edges keep their distances in twips.
ScreenPoint onLine(const Module1& m, const RunState& run, double x, double y) {
  return {static_cast<float>(run.x0dis + m.fract * x), static_cast<float>(run.y0 - y)};
}

void drawEdgeLine(const RunContext& c, double distance, double rear, double front,
                  platform::Rgb colour) {
  const auto y = static_cast<float>(c.run.y0 - distance);
  c.picture().DrawLine(static_cast<float>(c.run.x0dis + c.m.fract * rear), y,
                       static_cast<float>(c.run.x0dis + c.m.fract * front), y, colour);
}

void drawEdge(const RunContext& c, const Edge& e) {
  const Module1& m = c.m;
  const RunState& run = c.run;
  platform::Surface& s = c.picture();
  const platform::Rgb bg = m.bgcolor;
  drawEdgeLine(c, e.distance, e.rearOld, e.frontOld, bg);
  drawEdgeLine(c, e.distance, e.rear, e.front, m.colours.body);
  ScreenPoint oldFront = onLine(m, run, e.xsOld, e.ysOld);
  ScreenPoint oldRear = onLine(m, run, e.xeOld, e.yeOld);
  const double k = run.markScale;
  DrawDot(s, oldFront, 40 * k, bg);
  DrawDot(s, oldRear, 40 * k, bg);
  DrawDot(s, oldFront, 20 * k, bg);
  DrawDot(s, oldRear, 20 * k, bg);
  DrawDot(s, onLine(m, run, e.xs, e.ys), 15 * k, m.colours.seenEnd);
  DrawDot(s, onLine(m, run, e.xe, e.ye), 15 * k, m.colours.seenEnd);
  DrawObserverArc(s, run, e.arcRadius, bg, e.angsOld, e.angeOld);
  DrawObserverArc(s, run, e.arcRadius, m.colours.direction, e.angs, e.ange);
}

// The wrap and restart bounds, in track units. They are measured on the
// screen: above a scale of 1 the body is drawn wider than its track units,
// and bounds taken as track units would let it run far out of the window
// before it wraps, and restart it far out on the left.
struct TerrellBounds {
  double halfw, margin;
};

TerrellBounds terrellBounds(const RunContext& c) {
  const double halfw = c.form2.window.width() / 2;
  if (c.m.fract <= 1) return {halfw, kTerrellWrapMargin};
  return {halfw / c.m.fract, kTerrellWrapMargin / c.m.fract};
}

}  // namespace

// The body runs across the window and comes back from its far side.
void TerrellWrap(RunContext& c) {
  RunState& run = c.run;
  const auto [halfw, margin] = terrellBounds(c);
  run.acrossFrom = -halfw;
  run.acrossTo = halfw + margin;
  run.lapped = false;
  if (c.m.v > 0 && run.pos1 > halfw + margin) {
    run.pos1 = run.pos2 = -halfw;
    run.ts = run.tsfirst;
    run.te = run.tefirst;
    run.ts2 = run.ts2first;
    run.te2 = run.tefirst;  // no delay of the second rear is saved
    run.fresh = 1.0;
  }
  if (c.m.v < 0 && run.pos1 < -halfw) {
    run.pos1 = run.pos2 = halfw + margin;
  }
}

void TerrellLayout(RunContext& c, double widthFactor) {
  WideWindowLayout(c, widthFactor);
  c.run.x0dis = c.form2.window.width() / 2.0;
  c.run.y0 = c.form2.window.height() / 2.0 + 500;
}

void TerrellFrame(RunContext& c) {
  RunState& run = c.run;
  // Arcs are drawn counter-clockwise; a pair out of order would otherwise
  // sweep the long way round through angle 0.
  if (run.angs > run.ange) run.ange = run.angs + kSliver;
  if (run.angs2 > run.ange2) run.ange2 = run.angs2 + kSliver;

  run.sfront = run.pos1;
  run.srear = run.pos1 - run.ltrainc;
  drawEdge(c, {c.m.rtrack, run.sfront, run.srear, run.sfrontold, run.srearold, run.xs, run.ys,
               run.xe, run.ye, run.xsold, run.ysold, run.xeold, run.yeold, run.angs, run.ange,
               run.angsold, run.angeold, run.rhalf});
  run.sfront2 = run.pos2;
  run.srear2 = run.pos2 - run.ltrainc;
  drawEdge(c, {run.rtrack2, run.sfront2, run.srear2, run.sfront2old, run.srear2old, run.xs2,
               run.ys2, run.xe2, run.ye2, run.xs2old, run.ys2old, run.xe2old, run.ye2old, run.angs2,
               run.ange2, run.angs2old, run.ange2old, run.rhalf50});
}

}  // namespace engine
