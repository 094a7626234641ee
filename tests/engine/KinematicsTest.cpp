// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "engine/Constants.h"
#include "tests/fakes/Rig.h"

using fakes::Rig;

TEST(Kinematics, RoundTrackSeenLengthIsTheContractedLength) {
  Rig rig;
  rig.startRun(1);
  rig.commands.TControl_Click();  // contraction ON
  rig.clickVinc(15);
  rig.runFrames(10);
  EXPECT_EQ(rig.m.v, 15);
  EXPECT_NEAR(rig.state().ts, 40, 1e-9);
  EXPECT_NEAR(rig.state().te, 40, 1e-9);
  EXPECT_EQ(rig.f2("Tlength_obs").text(), "866");
  EXPECT_NEAR(rig.state().ltrainc, std::sqrt(0.75) * 1000, 1e-9);
}

TEST(Kinematics, ClocksCountMovingFramesOnly) {
  Rig rig;
  rig.startRun(1);
  rig.runFrames(5);  // standing: nothing counts
  EXPECT_EQ(rig.m.nframes, 0);
  EXPECT_EQ(rig.f1("TTime").text(), "0");
  rig.clickVinc(18);  // 0.6 c
  rig.runFrames(5 + 12);
  EXPECT_EQ(rig.f1("TTime").text(), "2");
  rig.runFrames(5 + 26);
  EXPECT_EQ(rig.m.nframes, 26);
  EXPECT_NEAR(rig.m.ptime, 20.8, 1e-9);
  EXPECT_EQ(rig.f2("TLocalTime").text(), "4");
  EXPECT_EQ(rig.f1("TTime").text(), "5");
}

TEST(Kinematics, ProperTimeStandsStillAtTheSpeedOfLight) {
  Rig rig;
  rig.startRun(1);
  rig.clickVinc(30);  // contraction OFF lets v reach c
  rig.runFrames(11);
  EXPECT_EQ(rig.m.v, 30);
  EXPECT_EQ(rig.m.nframes, 10);
  EXPECT_EQ(rig.m.ptime, 0);
}

// A contracted train never runs at c, in either direction and whichever way
// it got there: switched on at c, or lowered with "v <" toward -c. A train
// of no length would be drawn as a whole circle.
TEST(Kinematics, AContractedTrainNeverReachesTheSpeedOfLight) {
  for (int simtype : {1, 2, 3}) {
    Rig rig;
    rig.startRun(simtype);
    auto frames = [&rig](int more) { rig.runFrames(rig.runLoop.framesDrawn() + more); };
    rig.clickVinc(30);
    frames(3);
    rig.commands.TControl_Click();  // on at exactly c
    frames(4);
    EXPECT_EQ(rig.m.v, 29) << simtype;
    EXPECT_NEAR(rig.state().ltrainc, 1000 * std::sqrt(1 - 29.0 * 29.0 / 900), 1e-9) << simtype;
    for (int i = 0; i < 58 + 8; ++i) rig.commands.CommandVdec_Click();  // to -29, then halving
    EXPECT_GT(rig.m.v, -30) << simtype;  // halves what is left, as "v >" does
    EXPECT_LT(rig.m.v, -29.99) << simtype;
    frames(6);
    EXPECT_GT(rig.state().ltrainc, 0) << simtype;
    EXPECT_NE(rig.f2("Tlength_obs").text(), "0") << simtype;
    rig.commands.TControl_Click();  // off: -c itself is allowed
    rig.commands.CommandVdec_Click();
    EXPECT_EQ(rig.m.v, -30) << simtype;
    rig.commands.TControl_Click();  // on again at exactly -c: one below, keeping the sign
    frames(8);
    EXPECT_EQ(rig.m.v, -29) << simtype;
  }
}

TEST(Kinematics, SeenTrainCreepsOnAfterVZero) {
  Rig rig;
  rig.startRun(1);
  rig.clickVinc(10);
  rig.runFrames(20);
  EXPECT_EQ(rig.f2("Tv_obs").text(), "10");
  rig.commands.CommandVzero_Click();
  for (int frame = 1; frame <= 26; ++frame) {
    rig.runFrames(20 + frame);
    EXPECT_EQ(rig.f2("Tv_obs").text(), "10") << "frame " << frame;
  }
  rig.runFrames(47);
  EXPECT_EQ(rig.f2("Tv_obs").text(), "5.25");
  rig.runFrames(48);
  EXPECT_EQ(rig.f2("Tv_obs").text(), "0");
  EXPECT_EQ(rig.state().ts, 0);
  // The true train regained its rest length at once.
  EXPECT_EQ(rig.state().ltrainc, 1000);
}

TEST(Kinematics, StandingTrainIsSeenWhereItIs) {
  Rig rig;
  rig.startRun(2);
  rig.runFrames(3);
  const engine::RunState& s = rig.state();
  EXPECT_EQ(s.pos1, 0);
  EXPECT_EQ(s.pos1s, 0);
  EXPECT_EQ(s.pos1e, -1000);
  EXPECT_EQ(rig.f2("Tlength_obs").text(), "1000");
  EXPECT_EQ(rig.f2("Tv_obs").text(), "0");
  EXPECT_EQ(rig.m.nframes, 0);
}

TEST(Kinematics, LightDelaySolveSatisfiesItsEquation) {
  // Every seen end lies where the end was one light delay of that very point ago.
  for (int simtype : {1, 2, 3}) {
    Rig rig;
    rig.startRun(simtype);
    rig.clickVinc(25);
    rig.runFrames(40);
    const engine::RunState& s = rig.state();
    const double v = rig.m.v;
    const double frontDelay = std::hypot(s.xs, s.ys) / 30;
    EXPECT_NEAR(s.pos1s, s.pos1 - v * frontDelay, 1e-3) << "type " << simtype;
    const double farDelay = std::hypot(s.xs2, s.ys2) / 30;
    EXPECT_NEAR(s.pos2s, s.pos2 - v * farDelay, 1e-3) << "type " << simtype;
  }
}

TEST(Kinematics, TerrellFarEdgeLagsMoreThanTheNear) {
  Rig rig;
  rig.startRun(3);
  rig.clickVinc(20);
  rig.runFrames(8);
  const engine::RunState& s = rig.state();
  EXPECT_LT(s.xs, s.pos1);
  EXPECT_LT(s.xs2 - s.pos2, s.xs - s.pos1);
  EXPECT_EQ(s.ys, 1200);
  EXPECT_EQ(s.ys2, 1680);
}

TEST(Kinematics, ObservedSpeedKeepsItsTextInAFrameThatChangedSpeed) {
  Rig rig;
  rig.startRun(1);
  rig.clickVinc(10);
  rig.runFrames(10);
  EXPECT_EQ(rig.f2("Tv_obs").text(), "10");
  rig.clickVinc(5);
  rig.runFrames(11);  // v differs from vold in this frame
  EXPECT_EQ(rig.f2("Tv_obs").text(), "10");
  rig.runFrames(12);
  EXPECT_EQ(rig.f2("Tv_obs").text(), "15");
}

TEST(Kinematics, NegativeSpeedsKeepEverythingFinite) {
  for (int simtype : {1, 2, 3}) {
    Rig rig;
    rig.startRun(simtype);
    rig.commands.TControl_Click();
    for (int i = 0; i < 40; ++i) rig.commands.CommandVdec_Click();
    EXPECT_LT(rig.m.v, -29.99);
    rig.runFrames(300);
    const engine::RunState& s = rig.state();
    for (double value :
         {s.pos1s, s.pos1e, s.xs, s.ys, s.xe, s.ye, s.angs, s.ange, rig.m.contract, s.xs2, s.ye2}) {
      EXPECT_TRUE(std::isfinite(value)) << "type " << simtype;
    }
    if (simtype != 3) {
      EXPECT_GE(s.pos1, 0);
      EXPECT_LE(s.pos1, rig.m.tracklen);
    }
  }
}

TEST(Kinematics, TerrellBodyRestartsAtTheWindowEdges) {
  Rig rig;
  rig.startRun(3);
  const double halfw = rig.form2Window.width() / 2.0;
  rig.clickVinc(29);
  const double step = 29 * 1200 * engine::kFourPi / 2000;
  const auto framesToWrap = static_cast<std::int64_t>(std::ceil((halfw + 1500) / step)) + 1;
  rig.runFrames(framesToWrap);
  EXPECT_LT(rig.state().pos1, -halfw + step + 1e-6);
  EXPECT_EQ(rig.state().pos1, rig.state().pos2);

  Rig backwards;
  backwards.startRun(3);
  backwards.commands.CommandVdec_Click();  // v = -1
  const double slow = 1200 * engine::kFourPi / 2000;
  backwards.runFrames(static_cast<std::int64_t>(std::ceil(halfw / slow)) + 2);
  EXPECT_GT(backwards.state().pos1, halfw + 1500 - slow - 1e-6);
}
