// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "engine/scenes/Terrell.h"
#include "tests/fakes/SceneProbe.h"

using fakes::DrawCall;
using fakes::kBg;
using fakes::SceneProbe;
using platform::PaletteColor;

TEST(Terrell, FirstFrameHasBothEdgesEndingAboveTheObserver) {
  fakes::Rig rig;
  rig.startRun(3);
  const auto& calls = rig.picture().calls;
  ASSERT_EQ(calls.size(), 3U + 20U);
  const auto& s = rig.state();
  const float x0 = static_cast<float>(s.x0dis);
  const float left = static_cast<float>(s.x0dis - rig.m.fract * 1000);
  const DrawCall& nearEdge = calls[4];
  EXPECT_EQ(nearEdge.op, DrawCall::Op::Line);
  EXPECT_EQ(nearEdge.a, left);
  EXPECT_EQ(nearEdge.c, x0);
  EXPECT_EQ(nearEdge.b, static_cast<float>(s.y0 - 1200));
  EXPECT_EQ(nearEdge.colour, PaletteColor(15));
  const DrawCall& farEdge = calls[14];
  EXPECT_EQ(farEdge.a, left);
  EXPECT_EQ(farEdge.b, static_cast<float>(s.y0 - 1680));
  // The first erase of each edge shrinks to a point above the observer.
  EXPECT_EQ(calls[3].a, x0);
  EXPECT_EQ(calls[3].c, x0);
  EXPECT_EQ(calls[3].colour, kBg);
  // The seen ends coincide with the true ends while standing.
  EXPECT_EQ(calls[9].a, x0);
  EXPECT_EQ(calls[10].a, left);
}

TEST(Terrell, LayoutWidensToOnePointSixAndLowersTheObserver) {
  fakes::Rig rig;
  rig.startRun(3);
  EXPECT_NEAR(rig.form2Window.width(), 3165 * 1.6F, 1e-3);
  EXPECT_EQ(rig.state().x0dis, rig.form2Window.width() / 2.0);
  EXPECT_EQ(rig.state().y0, 3165 / 2.0 + 500);
  EXPECT_EQ(rig.f2("Lv_obs").top(), 3165 - 820);
}

TEST(Terrell, DirectionsOutOfOrderBecomeASliver) {
  SceneProbe probe(3);
  probe.run.angs = 2.0;
  probe.run.ange = 1.5;
  probe.run.angs2 = 1.0;
  probe.run.ange2 = 1.0;  // equal: left alone
  const auto calls = probe.draw(engine::TerrellFrame);
  EXPECT_DOUBLE_EQ(probe.run.ange, 2.001);
  EXPECT_EQ(probe.run.ange2, 1.0);
  const DrawCall& nearArc = calls[9];
  EXPECT_EQ(nearArc.start, 2.0F);
  EXPECT_EQ(nearArc.end, static_cast<float>(2.001));
  EXPECT_EQ(nearArc.c, static_cast<float>(probe.run.rhalf));
  EXPECT_EQ(calls[19].c, static_cast<float>(probe.run.rhalf50));

  // And the other way round: equal near angles stay, the far pair turns.
  SceneProbe swapped(3);
  swapped.run.angs = swapped.run.ange = 1.0;
  swapped.run.angs2 = 2.0;
  swapped.run.ange2 = 1.5;
  swapped.draw(engine::TerrellFrame);
  EXPECT_EQ(swapped.run.ange, 1.0);
  EXPECT_DOUBLE_EQ(swapped.run.ange2, 2.001);
}

TEST(Terrell, EdgesAreScaledAcrossButNotUp) {
  fakes::Rig rig;
  rig.form2Window.setHeight(5500);
  rig.startRun(3);
  const auto& calls = rig.picture().calls;
  const auto& s = rig.state();
  EXPECT_EQ(rig.m.fract, 1.5);
  EXPECT_EQ(calls[4].b, static_cast<float>(s.y0 - 1200));
  EXPECT_EQ(calls[4].a, static_cast<float>(s.x0dis - 1500));
}

// The width is computed in double and stored in single: computed in single
// it is one step off at this height, and the restart positions carry it
// into the seen ends near c.
TEST(Terrell, WidthIsComputedInDoubleAndItsRestartsCarryIt) {
  fakes::Rig rig;
  rig.form2Window.setHeight(7731);
  rig.startRun(3);
  EXPECT_EQ(rig.form2Window.width(), 12369.5996F);
  EXPECT_EQ(rig.form2Window.width(), static_cast<float>(7731 * 1.6));
  rig.commands.TControl_Click();
  rig.clickVinc(35);
  rig.runFrames(34);
  EXPECT_EQ(rig.f2("Tv_obs").text(), "35941.99");
  EXPECT_EQ(rig.f2("Tlength_obs").text(), "52458");
}

// The shares of a cycle's frames, from one restart on the left to the next,
// in which the true body lies wholly inside the picture and in which some
// seen end of it does.
struct InView {
  double trueBody, seenBody;
};

InView shareOfCycleInView(int height, int speed) {
  fakes::Rig rig;
  rig.form2Window.setHeight(static_cast<float>(height));
  rig.startRun(3);
  rig.clickVinc(speed);
  const auto onScreen = [&rig](double x) {
    const double screen = rig.state().x0dis + rig.m.fract * x;
    return screen >= 0 && screen <= rig.form2Window.clientWidth();
  };
  int restarts = 0, frames = 0, trueBody = 0, seenBody = 0;
  double lastFront = rig.state().pos1;
  for (std::int64_t frame = rig.runLoop.framesDrawn() + 1; restarts < 3 && frame < 5000; ++frame) {
    rig.runFrames(frame);
    const auto& s = rig.state();
    if (s.pos1 < lastFront) ++restarts;
    lastFront = s.pos1;
    if (restarts == 0 || restarts == 3) continue;
    ++frames;
    trueBody += onScreen(s.pos1) && onScreen(s.pos1 - s.ltrainc) ? 1 : 0;
    seenBody += onScreen(s.xs) || onScreen(s.xe) || onScreen(s.xs2) || onScreen(s.xe2) ? 1 : 0;
  }
  EXPECT_EQ(restarts, 3) << "height " << height;
  if (frames == 0) return {};
  return {static_cast<double>(trueBody) / frames, static_cast<double>(seenBody) / frames};
}

// Above a scale of 1 (a window taller than 4000 twips) the picture is
// stretched across; the body still crosses the visible window as it does at
// a scale of 1, and its seen ends are in view for at least half of a cycle.
TEST(Terrell, TallerWindowsKeepTheBodyCrossingTheWindow) {
  for (int speed : {10, 20, 29}) {
    const InView atScaleOne = shareOfCycleInView(4000, speed);
    for (int height : {4748, 6330, 7913, 9495}) {
      const InView taller = shareOfCycleInView(height, speed);
      EXPECT_GE(taller.trueBody, atScaleOne.trueBody - 0.01)
          << "height " << height << ", v = " << speed;
      EXPECT_GE(taller.seenBody, 0.5) << "height " << height << ", v = " << speed;
    }
  }
}
