// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Kinematics.h"

#include <cmath>

#include "engine/TrackGeometry.h"

namespace engine {
namespace {

constexpr double kConvergence = 0.0001;  // track units

struct SeenEnd {
  double& position;  // seen position along the track
  double& x;
  double& y;
};

// Where the observer sees an end whose true position is p: the light left
// it at p - v*t, t being the delay of that very point. Fixed-point passes,
// starting from the delay the previous frame left in t.
void solveRunning(const RunContext& c, double p, double r, double& t, SeenEnd seen) {
  const double v = c.m.v;
  double s = p - v * t;
  TrackPoint(c.m, s, r, seen.x, seen.y, t);
  for (int pass = 2; pass <= static_cast<int>(c.run.maxiter); ++pass) {
    double next = p - v * t;
    TrackPoint(c.m, next, r, seen.x, seen.y, t);
    bool converged = std::fabs(next - s) < kConvergence;
    s = next;
    if (converged) break;
  }
  seen.position = s;
}

// After "v = 0" the train stands, but light from its moving past is still
// arriving: the delay runs down and the seen end creeps on at the old speed.
void solveStopped(const RunContext& c, double p, double r, double& t, SeenEnd seen) {
  t -= c.run.dtstop;
  if (t < 0) t = 0;
  double s = p - static_cast<double>(c.m.vstop) * t;
  double delay = 0;
  TrackPoint(c.m, s, r, seen.x, seen.y, delay);
  seen.position = s;
}

void solveSeenEnd(const RunContext& c, double p, double r, double& t, SeenEnd seen) {
  if (c.m.vstopped == 0) {
    solveRunning(c, p, r, t, seen);
  } else {
    solveStopped(c, p, r, t, seen);
  }
}

bool running(const RunContext& c) {
  return c.m.vstopped == 0;
}

void runClocks(Module1& m, const RunState& run) {
  if (m.v > 0) {
    ++m.nframes;
    if (m.v <= m.cc) m.ptime += std::sqrt(1 - m.v * m.v / run.cc2);
  }
}

void computeContraction(RunContext& c) {
  Module1& m = c.m;
  if (!m.contraction) {
    m.contract = 1;
  } else {
    // At c the train would have no length, beyond it none at all: the speed
    // goes back to one below c, either way.
    if (std::fabs(m.v) >= m.cc) m.v = std::copysign(m.cc - 1, m.v);
    m.contract = std::sqrt(1 - m.v * m.v / c.run.cc2);
  }
  c.run.ltrainc = m.contract * c.run.ltrain1;
}

void advance(const Module1& m, RunState& run) {
  run.pos1old = run.pos1;
  run.pos1 += m.v * m.rtrack * run.kstep;
  run.pos2 += m.v * m.rtrack * run.kstep;
}

void saveTrainPrevious(RunState& run) {
  run.xsold = run.xs;
  run.ysold = run.ys;
  run.xeold = run.xe;
  run.yeold = run.ye;
  run.angsold = run.angs;
  run.angeold = run.ange;
}

void saveSecondTrainPrevious(RunState& run) {
  run.xs2old = run.xs2;
  run.ys2old = run.ys2;
  run.xe2old = run.xe2;
  run.ye2old = run.ye2;
  run.angs2old = run.angs2;
  run.ange2old = run.ange2;
}

void solveTrainFront(RunContext& c) {
  RunState& run = c.run;
  solveSeenEnd(c, run.pos1, c.m.rtrack, run.ts, {run.pos1s, run.xs, run.ys});
  if (run.fresh == 1 && running(c)) run.tsfirst = run.ts;
  if (run.first == 1) run.pos1sold = run.pos1s;
}

void writeObservedSpeed(RunContext& c) {
  RunState& run = c.run;
  double step = running(c) ? c.m.rtrack * run.kstep : run.dtstop;
  run.vobs = (run.pos1s - run.pos1sold) / step;
  // Skipped in a frame that wrapped or changed speed, when the step is no speed.
  if (static_cast<float>(c.m.v) == c.m.vold && c.m.v * run.vobs >= 0) {
    c.m.shown.seenSpeed = std::floor(run.vobs * 100 + 0.001) / 100;
    c.form2.Tv_obs.setText(c.language.number(c.m.shown.seenSpeed));
  }
}

void solveTrainRear(RunContext& c) {
  RunState& run = c.run;
  if (running(c)) c.m.vold = static_cast<float>(c.m.v);
  solveSeenEnd(c, run.pos1 - run.ltrainc, c.m.rtrack, run.te, {run.pos1e, run.xe, run.ye});
  if (run.fresh == 1 && running(c)) run.tefirst = run.te;
}

void writeReadouts(RunContext& c) {
  const platform::Language& language = c.language;
  ShownReadouts& shown = c.m.shown;
  shown.lengthObs = std::floor(c.run.pos1s - c.run.pos1e);
  shown.properTime = std::floor(c.m.ptime / 5);
  shown.localTime = std::floor(c.m.nframes / 5.0);
  c.form2.Tlength_obs.setText(language.number(shown.lengthObs));
  c.form2.TLocalTime.setText(language.number(shown.properTime));
  c.form1.TTime.setText(language.number(shown.localTime));
}

void solveSecondTrain(RunContext& c) {
  RunState& run = c.run;
  if (running(c)) c.m.vold = static_cast<float>(c.m.v);
  solveSeenEnd(c, run.pos2, run.rtrack2, run.ts2, {run.pos2s, run.xs2, run.ys2});
  if (run.fresh == 1 && running(c)) run.ts2first = run.ts2;
  VectorAngle(run.xs2, run.ys2, run.angs2);
  solveSeenEnd(c, run.pos2 - run.ltrainc, run.rtrack2, run.te2, {run.pos2e, run.xe2, run.ye2});
  VectorAngle(run.xe2, run.ye2, run.ange2);
}

// The far edge's copies matter only where a passing body is drawn; the
// other scenes never set what they copy.
void saveSceneCopies(RunState& run) {
  run.arceold = run.arce;
  run.arcsold = run.arcs;
  run.arcs2old = run.arcs2;
  run.arce2old = run.arce2;
  run.srearold = run.srear;
  run.sfrontold = run.sfront;
  run.srear2old = run.srear2;
  run.sfront2old = run.sfront2;
}

}  // namespace

void WrapOnLap(RunContext& c) {
  RunState& run = c.run;
  if (run.pos1 > c.m.tracklen) run.pos1 -= c.m.tracklen;
  if (run.pos1 < 0) run.pos1 += c.m.tracklen;
  run.acrossFrom = 0;
  run.acrossTo = c.m.tracklen;
  run.lapped = true;
}

void FrameKinematics(RunContext& c) {
  RunState& run = c.run;
  run.stoppedFor = running(c) ? 0 : run.stoppedFor + run.dtstop;
  runClocks(c.m, run);
  computeContraction(c);
  advance(c.m, run);
  if (const Demonstration* demonstration = DemonstrationOf(c.m, c.m.simtype)) {
    demonstration->wrap(c);
  }
  if (run.first == 0) {
    saveTrainPrevious(run);
    run.pos1sold = run.pos1s;
  }
  saveSecondTrainPrevious(run);
  solveTrainFront(c);
  writeObservedSpeed(c);
  VectorAngle(run.xs, run.ys, run.angs);
  solveTrainRear(c);
  VectorAngle(run.xe, run.ye, run.ange);
  writeReadouts(c);
  if (run.first == 1) {
    saveTrainPrevious(run);
    run.first = 0;
  }
  solveSecondTrain(c);
  saveSceneCopies(run);
  run.fresh = 0;
}

}  // namespace engine
