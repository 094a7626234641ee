// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fakes/Invariants.h"

#include <cmath>
#include <regex>

#include "engine/Constants.h"

namespace fakes {

void CheckingSurface::check(std::initializer_list<float> values) {
  ++calls;
  for (float value : values) {
    if (fault.empty() && !std::isfinite(value)) fault = "non-finite drawing argument";
  }
}

namespace {

// Rounding of sin, cos and the square root over a lap, in track units.
constexpr double kOnTrack = 1e-6;

bool onCircle(double x, double y, double cx, double r) {
  return std::fabs(std::hypot(x - cx, y) - r) < kOnTrack * r;
}

bool onLongTrack(double x, double y, double r) {
  const bool straight =
      x >= -kOnTrack && x <= 2 * r + kOnTrack && std::fabs(std::fabs(y) - r) < kOnTrack * r;
  return straight || (x >= 2 * r - kOnTrack && onCircle(x, y, 2 * r, r)) ||
         (x <= kOnTrack && onCircle(x, y, 0, r));
}

bool onItsTrack(double simtype, double x, double y, double r) {
  if (simtype == 1) return onCircle(x, y, 0, r);
  if (simtype == 2) return onLongTrack(x, y, r);
  return y == r && std::isfinite(x);
}

bool plainNumber(const std::string& text) {
  static const std::regex kPlain(R"(-?[0-9]+(\.[0-9]+)?)");
  return std::regex_match(text, kPlain);
}

std::string checkRun(Rig& rig) {
  const engine::Module1& m = rig.m;
  const engine::RunState& s = rig.state();
  if (m.simtype != 1 && m.simtype != 2) {
    if (m.simtype != 3) return {};
  } else if (!(s.pos1 >= 0 && s.pos1 <= m.tracklen)) {
    return "train off its lap";
  }
  const double r1 = m.rtrack;
  const double r2 = s.rtrack2;
  if (!onItsTrack(m.simtype, s.xs, s.ys, r1) || !onItsTrack(m.simtype, s.xe, s.ye, r1)) {
    return "seen end of the train off its track";
  }
  if (!onItsTrack(m.simtype, s.xs2, s.ys2, r2) || !onItsTrack(m.simtype, s.xe2, s.ye2, r2)) {
    return "seen end of the second train off its track";
  }
  for (double value : {s.angs, s.ange, s.angs2, s.ange2, s.ltrainc, s.vobs, m.ptime}) {
    if (!std::isfinite(value)) return "non-finite value in the run";
  }
  if (!(s.ltrainc > 0)) return "a train of no length";
  return {};
}

}  // namespace

std::string CheckInvariants(Rig& rig) {
  if (!(rig.m.v >= -rig.m.cc && rig.m.v <= rig.m.cc)) return "speed beyond c";
  if (rig.m.mode == engine::RunMode::Running && !rig.form2Window.isVisible()) {
    return "a run without its picture";
  }
  if (rig.runLoop.framesDrawn() > 0) {
    if (std::string fault = checkRun(rig); !fault.empty()) return fault;
  }
  auto readoutFault = [](FakeControl& box, const char* name) -> std::string {
    if (!box.isVisible() || plainNumber(box.text())) return {};
    return std::string(name) + " shows " + box.text();
  };
  for (const char* name : {"Tv", "Tcc", "TTime"}) {
    if (std::string fault = readoutFault(rig.f1(name), name); !fault.empty()) return fault;
  }
  for (const char* name : {"Tlength_obs", "Tv_obs", "TLocalTime"}) {
    if (std::string fault = readoutFault(rig.f2(name), name); !fault.empty()) return fault;
  }
  return {};
}

}  // namespace fakes
