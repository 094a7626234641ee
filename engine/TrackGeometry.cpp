// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/TrackGeometry.h"

#include <cmath>

#include "engine/Constants.h"

namespace engine {

void RoundTrackPoint(double s, double r, double tracklen, double& x, double& y) {
  if (s < 0) s += tracklen;
  if (s < kPi * r) {
    x = r * std::sin(s / r);
    y = r * std::cos(s / r);
    return;
  }
  s -= kPi * r;
  x = -r * std::sin(s / r);
  y = -r * std::cos(s / r);
}

namespace {

// Brings s onto the lap: beyond either end of it the formulas of the last
// piece would carry the point off the track.
double wrapOntoLap(double s, double tracklen) {
  if (s < 0 || s >= tracklen) {
    s = std::fmod(s, tracklen);
    if (s < 0) s += tracklen;
  }
  return s;
}

}  // namespace

void LongTrackPoint(double s, double r, double tracklen, double& x, double& y) {
  s = wrapOntoLap(s, tracklen);
  if (s < 2 * r) {
    x = s;
    y = r;
    return;
  }
  s -= 2 * r;
  if (s < kPi * r) {
    x = r * std::sin(s / r) + 2 * r;
    y = r * std::cos(s / r);
    return;
  }
  s -= kPi * r;
  if (s < 2 * r) {
    x = 2 * r - s;
    y = -r;
    return;
  }
  s -= 2 * r;
  x = -r * std::sin(s / r);
  y = -r * std::cos(s / r);
}

void StraightLinePoint(double s, double r, double /*tracklen*/, double& x, double& y) {
  x = s;
  y = r;
}

// A number that names no demonstration leaves the point as it was given.
void TrackPoint(const Module1& m, double s, double r, double& x, double& y, double& t) {
  if (const Demonstration* demonstration = DemonstrationOf(m, m.simtype)) {
    demonstration->trackPoint(s, r, m.tracklen, x, y);
  }
  t = std::sqrt(x * x + y * y) / m.cc;
}

void VectorAngle(double x, double y, double& angle) {
  double a = x;
  double b = y;
  double k = 0;
  double c = 0;
  if (a >= 0 && b > 0) {
    k = 1;
    c = 0;
  }
  if (a < 0 && b > 0) {
    a = -a;
    k = -1;
    c = kPi;
  }
  if (a < 0 && b < 0) {
    a = -a;
    b = -b;
    k = 1;
    c = kPi;
  }
  if (a >= 0 && b < 0) {
    b = -b;
    k = -1;
    c = kTwoPi;
  }
  if (a < 0.01) a = 0.01;
  angle = k * std::atan(b / a) + c;
}

}  // namespace engine
