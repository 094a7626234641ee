// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "engine/Constants.h"
#include "engine/scenes/RoundTrack.h"
#include "tests/fakes/SceneProbe.h"

using engine::kHalfPi;
using engine::kTwoPi;
using fakes::DrawCall;
using fakes::kBg;
using fakes::SameArc;
using fakes::SceneProbe;
using platform::PaletteColor;

TEST(RoundTrack, FirstFrameDrawsTheTrainFromTheTop) {
  fakes::Rig rig;
  rig.startRun(1);
  const auto& calls = rig.picture().calls;
  // clear, clear, observer dot, then the ten shapes of a one-piece first frame
  ASSERT_EQ(calls.size(), 13U);
  EXPECT_EQ(calls[2].op, DrawCall::Op::Point);
  const DrawCall* train = &calls[8];
  EXPECT_TRUE(SameArc(calls[7], 0, 0, kBg));  // nothing was drawn before
  EXPECT_TRUE(SameArc(*train, kHalfPi, kHalfPi + 1000.0 / 1200, PaletteColor(0)));
  EXPECT_EQ(train->c, static_cast<float>(rig.state().rscreen));
  EXPECT_EQ(calls[6].colour, PaletteColor(15));
  EXPECT_EQ(calls[9].colour, PaletteColor(12));
  EXPECT_EQ(calls[12].colour, PaletteColor(14));
  EXPECT_EQ(calls[12].c, static_cast<float>(rig.state().rhalf));
}

TEST(RoundTrack, DrawListErasesWithThePreviousFramesValues) {
  SceneProbe probe(1);
  probe.run.pos1 = 500;
  probe.run.xsold = 100;
  probe.run.ysold = 200;
  probe.run.xeold = -300;
  probe.run.yeold = 400;
  probe.run.arcsold = 1.0;
  probe.run.arceold = 1.5;
  probe.run.arcs2old = 5.0;
  probe.run.arce2old = kTwoPi;
  probe.run.angsold = 0.25;
  probe.run.angeold = 0.75;
  const auto calls = probe.draw(engine::RoundTrackFrame);
  ASSERT_EQ(calls.size(), 11U);
  const auto& m = probe.rig.m;
  const float x = static_cast<float>(probe.run.x0dis + m.fract * 100);
  const float y = static_cast<float>(probe.run.y0 - m.fract * 200);
  const float radii[] = {60, 40, 20};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(calls[i].op, DrawCall::Op::Circle);
    EXPECT_EQ(calls[i].a, x);
    EXPECT_EQ(calls[i].b, y);
    EXPECT_EQ(calls[i].c, radii[i]);
    EXPECT_EQ(calls[i].colour, kBg);
  }
  EXPECT_EQ(calls[3].c, 15);
  EXPECT_EQ(calls[3].colour, PaletteColor(15));
  EXPECT_TRUE(SameArc(calls[4], 1.0, 1.5, kBg));
  EXPECT_TRUE(SameArc(calls[5], 5.0, kTwoPi, kBg));
  EXPECT_EQ(calls[6].colour, PaletteColor(0));
  EXPECT_TRUE(SameArc(calls[9], 0.25, 0.75, kBg));
  EXPECT_EQ(calls[10].colour, PaletteColor(14));
}

TEST(RoundTrack, TrainAcrossAngleZeroIsDrawnInTwoPiecesAndErasedInTwo) {
  SceneProbe probe(1);
  probe.run.pos1 = 2200;
  probe.run.ltrainc = 1000;
  auto calls = probe.draw(engine::RoundTrackFrame);
  const double front = kHalfPi - 2200.0 / 1200 + kTwoPi;
  const double rear = kHalfPi - (2200.0 / 1200 - 1000.0 / 1200);
  EXPECT_NEAR(probe.run.arce, rear, 1e-12);
  EXPECT_EQ(probe.run.arcs, 0);
  EXPECT_NEAR(probe.run.arcs2, front, 1e-12);
  EXPECT_EQ(probe.run.arce2, kTwoPi);
  EXPECT_TRUE(SameArc(calls[5], probe.run.arcs, probe.run.arce, PaletteColor(0)));
  EXPECT_TRUE(SameArc(calls[6], probe.run.arcs2, kTwoPi, PaletteColor(0)));

  // The next frame's copies erase both pieces.
  probe.run.arcsold = probe.run.arcs;
  probe.run.arceold = probe.run.arce;
  probe.run.arcs2old = probe.run.arcs2;
  probe.run.arce2old = probe.run.arce2;
  probe.run.pos1 = 2400;
  calls = probe.draw(engine::RoundTrackFrame);
  EXPECT_TRUE(SameArc(calls[4], 0, rear, kBg));
  EXPECT_TRUE(SameArc(calls[5], front, kTwoPi, kBg));
}

TEST(RoundTrack, FrontWithinAHundredthOfAFullTurnDropsTheSecondPiece) {
  engine::Module1 m;
  m.rtrack = 1200;
  engine::RunState run;
  run.ltrainc = 1000;
  run.pos1 = 1890;  // front 0.004 radian short of a full turn
  engine::RoundTrackTrainArcs(m, run);
  EXPECT_EQ(run.arcs, 0);
  EXPECT_NEAR(run.arce, kHalfPi - (1890.0 - 1000) / 1200, 1e-12);
  EXPECT_EQ(run.arcs2, 0);
  EXPECT_EQ(run.arce2, 0);
}

TEST(RoundTrack, TrainOfNoLengthMakesTheWholeCircle) {
  engine::Module1 m;
  m.rtrack = 1200;
  engine::RunState run;
  run.ltrainc = 0;
  run.pos1 = 300;
  engine::RoundTrackTrainArcs(m, run);
  const double front = kHalfPi - 300.0 / 1200;
  EXPECT_EQ(run.arcs, 0);
  EXPECT_DOUBLE_EQ(run.arce, front);
  EXPECT_DOUBLE_EQ(run.arcs2, front);
  EXPECT_EQ(run.arce2, kTwoPi);
}

TEST(RoundTrack, SeenTrainTrailsByVOverCRadians) {
  for (double speed : {-12.0, 6.0, 24.0}) {
    fakes::Rig rig;
    rig.startRun(1);
    rig.m.v = speed;
    rig.m.vold = static_cast<float>(speed);
    rig.runFrames(30);
    const auto& s = rig.state();
    // The seen front stands v/c radians behind the true front along the track.
    EXPECT_NEAR(s.pos1 - s.pos1s, speed * 1200 / 30, 1e-6) << speed;
  }
}

TEST(RoundTrack, LayoutMakesTheWindowSquareUnlessTheRowIsWider) {
  struct Case {
    float height, width, rowLeft;
  };
  // The six readouts are 4170 twips wide, 4270 with their gaps.
  for (const Case& c : {Case{3165, 4270, 0}, Case{5000, 5000, 365}}) {
    fakes::Rig rig;
    rig.form2Window.setHeight(c.height);
    rig.startRun(1);
    EXPECT_EQ(rig.form2Window.width(), c.width);
    EXPECT_EQ(rig.f2("Llength_obs").left(), c.rowLeft);
    EXPECT_EQ(rig.f2("Tlength_obs").left(), c.rowLeft + 855);
    EXPECT_EQ(rig.f2("Lv_obs").left(), c.rowLeft + 855 + 735 + 50);
    EXPECT_EQ(rig.f2("TLocalTime").left(), c.width - c.rowLeft - 495);
    EXPECT_EQ(rig.f2("Text5").left(), (c.width - 2775) / 2);
    for (const char* name :
         {"Lv_obs", "Tv_obs", "Llength_obs", "Tlength_obs", "LLocalTime", "TLocalTime"}) {
      EXPECT_EQ(rig.f2(name).top(), c.height - 820) << name;
    }
    EXPECT_EQ(rig.state().x0dis, c.width / 2);
    EXPECT_NEAR(rig.m.tracklen, 7539.8223686136, 1e-9);
  }
}
