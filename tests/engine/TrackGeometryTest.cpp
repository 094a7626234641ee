// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Constants.h"
#include "engine/TrackGeometry.h"

using engine::kPi;
using engine::kTwoPi;
using engine::Module1;
using engine::TrackPoint;
using engine::VectorAngle;

namespace {

// Rounding of sin and cos near their zeros, in track units.
constexpr double kOnTrack = 1e-6;

Module1 trackOf(double simtype) {
  Module1 m;
  m.simtype = simtype;
  m.cc = 30;
  m.rtrack = 1200;
  m.tracklen = simtype == 1 ? kTwoPi * 1200 : (kPi + 2 + 2 + kPi) * 1200;
  return m;
}

struct Point {
  double x = 0, y = 0, t = 0;
};

Point pointAt(const Module1& m, double s, double r = 1200) {
  Point p;
  TrackPoint(m, s, r, p.x, p.y, p.t);
  return p;
}

}  // namespace

TEST(TrackPoint, RoundTrackRunsClockwiseFromTheTop) {
  const Module1 m = trackOf(1);
  Point top = pointAt(m, 0);
  EXPECT_DOUBLE_EQ(top.x, 0);
  EXPECT_DOUBLE_EQ(top.y, 1200);
  EXPECT_DOUBLE_EQ(top.t, 40);
  Point right = pointAt(m, kPi * 1200 / 2);
  EXPECT_NEAR(right.x, 1200, kOnTrack);
  EXPECT_NEAR(right.y, 0, kOnTrack);
  Point behind = pointAt(m, -100);
  Point wrapped = pointAt(m, m.tracklen - 100);
  EXPECT_NEAR(behind.x, wrapped.x, kOnTrack);
  EXPECT_NEAR(behind.y, wrapped.y, kOnTrack);
  Point lowerHalf = pointAt(m, kPi * 1200 * 1.5);
  EXPECT_NEAR(lowerHalf.x, -1200, kOnTrack);
  EXPECT_NEAR(lowerHalf.y, 0, kOnTrack);
}

TEST(TrackPoint, LongTrackSectionsUseStrictBounds) {
  const Module1 m = trackOf(2);
  Point endOfStraight = pointAt(m, 2400);  // the right half circle, not the straight
  EXPECT_NEAR(endOfStraight.x, 2400, kOnTrack);
  EXPECT_NEAR(endOfStraight.y, 1200, kOnTrack);
  Point rightmost = pointAt(m, 2400 + 1200 * kPi / 2);
  EXPECT_NEAR(rightmost.x, 3600, kOnTrack);
  EXPECT_NEAR(rightmost.y, 0, kOnTrack);
  EXPECT_NEAR(rightmost.t, 120, kOnTrack);
  Point bottomRight = pointAt(m, 2400 + kPi * 1200);
  EXPECT_NEAR(bottomRight.x, 2400, kOnTrack);
  EXPECT_NEAR(bottomRight.y, -1200, kOnTrack);
  Point bottomMiddle = pointAt(m, 2400 + kPi * 1200 + 1200);
  EXPECT_NEAR(bottomMiddle.x, 1200, kOnTrack);
  EXPECT_DOUBLE_EQ(bottomMiddle.y, -1200);
  Point leftmost = pointAt(m, 4800 + kPi * 1200 + 1200 * kPi / 2);
  EXPECT_NEAR(leftmost.x, -1200, kOnTrack);
  EXPECT_NEAR(leftmost.y, 0, kOnTrack);
}

TEST(TrackPoint, LongTrackWrapsDistancesOffTheLap) {
  const Module1 m = trackOf(2);
  for (double s : {0.0, 100.0, 3000.0, 9000.0, 12000.0}) {
    Point onLap = pointAt(m, s);
    for (double laps : {-2.0, -1.0, 1.0, 3.0}) {
      Point off = pointAt(m, s + laps * m.tracklen);
      EXPECT_NEAR(off.x, onLap.x, 1e-6) << s << " " << laps;
      EXPECT_NEAR(off.y, onLap.y, 1e-6) << s << " " << laps;
    }
  }
  // A whole lap on is the start itself, exactly, not the end of the last
  // half circle.
  const Point lapOn = pointAt(m, m.tracklen);
  EXPECT_EQ(lapOn.x, 0);
  EXPECT_EQ(lapOn.y, 1200);
}

TEST(TrackPoint, TerrellLineIsUnbounded) {
  const Module1 m = trackOf(3);
  Point p = pointAt(m, -500, 1680);
  EXPECT_DOUBLE_EQ(p.x, -500);
  EXPECT_DOUBLE_EQ(p.y, 1680);
  EXPECT_DOUBLE_EQ(p.t, std::sqrt(500.0 * 500 + 1680.0 * 1680) / 30);
}

TEST(TrackPoint, UnknownTypeKeepsThePointItWasGiven) {
  Module1 m = trackOf(1);
  m.simtype = 7;
  double x = 30, y = 40, t = 0;
  TrackPoint(m, 999, 1200, x, y, t);
  EXPECT_EQ(x, 30);
  EXPECT_EQ(y, 40);
  EXPECT_DOUBLE_EQ(t, 50.0 / 30);
}

TEST(VectorAngle, QuartersUseTheDemonstrationsPi) {
  struct Case {
    double x, y, expected;
  };
  const Case cases[] = {
      {1, 1, std::atan(1.0)},
      {-1, 1, kPi - std::atan(1.0)},
      {-1, -1, kPi + std::atan(1.0)},
      {1, -1, kTwoPi - std::atan(1.0)},
      {5, 0, 0},
      {-5, 0, 0},  // y exactly 0: no quarter applies
      {0, 5, std::atan(500.0)},
      {0, -5, kTwoPi - std::atan(500.0)},
      {-0.001, 5, kPi - std::atan(500.0)},
  };
  for (const Case& c : cases) {
    double angle = -1;
    VectorAngle(c.x, c.y, angle);
    EXPECT_DOUBLE_EQ(angle, c.expected) << c.x << ", " << c.y;
  }
}
