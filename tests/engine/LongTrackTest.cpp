// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "engine/Constants.h"
#include "engine/scenes/LongTrack.h"
#include "tests/fakes/SceneProbe.h"

using engine::kHalfPi;
using engine::kPi;
using engine::kThreeHalfPi;
using engine::kTwoPi;
using fakes::DrawCall;
using fakes::kBg;
using fakes::SameArc;
using fakes::SceneProbe;
using platform::PaletteColor;

namespace {
constexpr double R = 1200;

std::vector<DrawCall> trainCalls(const std::vector<DrawCall>& calls, platform::Rgb colour) {
  std::vector<DrawCall> found;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(found), [&](const DrawCall& c) {
    return c.colour == colour &&
           (c.op == DrawCall::Op::Line || (c.op == DrawCall::Op::Arc && c.c > 500));
  });
  return found;
}

engine::RunState piecesAt(double pos1, double length) {
  engine::Module1 m;
  m.rtrack = R;
  engine::RunState run;
  run.pos1 = pos1;
  run.ltrainc = length;
  engine::LongTrackTrainPieces(m, run);
  return run;
}

}  // namespace

TEST(LongTrack, StandingStartIsOnTheLeftHalfCircleOnly) {
  fakes::Rig rig;
  rig.startRun(2);
  const auto black = trainCalls(rig.picture().calls, PaletteColor(0));
  ASSERT_EQ(black.size(), 1U);
  EXPECT_TRUE(SameArc(black[0], kHalfPi, kHalfPi + 1000 / R, PaletteColor(0)));
  EXPECT_EQ(black[0].a, static_cast<float>(rig.state().x0dis));
}

TEST(LongTrack, FirstMovingFrameErasesTheStandstillArc) {
  SceneProbe probe(2);
  probe.run.arcsold = probe.run.arcs;  // as the kinematics copies them
  probe.run.arceold = probe.run.arce;
  probe.run.pos1old = 0;
  probe.run.pos1 = 50;
  const auto calls = probe.draw(engine::LongTrackFrame);
  const auto erased = trainCalls(calls, kBg);
  ASSERT_EQ(erased.size(), 1U);
  EXPECT_TRUE(SameArc(erased[0], kHalfPi, kHalfPi + 1000 / R, kBg));
  const auto drawn = trainCalls(calls, PaletteColor(0));
  ASSERT_EQ(drawn.size(), 2U);  // top straight from 0 to 50, left circle for the rest
  EXPECT_EQ(drawn[0].op, DrawCall::Op::Line);
  EXPECT_TRUE(SameArc(drawn[1], kHalfPi, kHalfPi - 50 / R + 1000 / R, PaletteColor(0)));
}

TEST(LongTrack, PiecesFollowTheSectionsWithStrictBounds) {
  // Front exactly at the end of the top straight: nothing on the right circle.
  engine::RunState atEnd = piecesAt(2 * R, 1000);
  EXPECT_EQ(atEnd.sfront, 2 * R);
  EXPECT_EQ(atEnd.srear, 2 * R - 1000);
  EXPECT_EQ(atEnd.arcs, 0);
  EXPECT_EQ(atEnd.arce, 0);

  // Entering the right circle: the straight from the rear to its end, an arc up to pi/2.
  engine::RunState entering = piecesAt(2 * R + 300, 1000);
  EXPECT_EQ(entering.sfront, 2 * R);
  EXPECT_EQ(entering.srear, 2 * R + 300 - 1000);
  EXPECT_NEAR(entering.arcs, kHalfPi - 300 / R, 1e-12);
  EXPECT_EQ(entering.arce, kHalfPi);
  EXPECT_EQ(entering.arcs2, kTwoPi);  // no lower piece

  // Across the horizontal through the right centre: both quarters.
  engine::RunState across = piecesAt(2 * R + kHalfPi * R + 400, 1000);
  EXPECT_EQ(across.arcs, 0);
  EXPECT_NEAR(across.arce, 600 / R, 1e-9);
  EXPECT_NEAR(across.arcs2, kTwoPi - 400 / R, 1e-9);
  EXPECT_EQ(across.arce2, kTwoPi);

  // Front one train length along the top straight: the rear has just left
  // the left circle, which gets no piece.
  engine::RunState leftBehind = piecesAt(1000, 1000);
  EXPECT_EQ(leftBehind.arcs, 0);
  EXPECT_EQ(leftBehind.arce, 0);
  EXPECT_EQ(leftBehind.srear, 0);

  // Across the end of the lap: the front on the top straight, the rear on the left circle.
  engine::RunState lap = piecesAt(300, 1000);
  EXPECT_EQ(lap.sfront, 300);
  EXPECT_EQ(lap.srear, 0);
  EXPECT_EQ(lap.arcs, kHalfPi);
  EXPECT_NEAR(lap.arce, kHalfPi - 300 / R + 1000 / R, 1e-12);

  // On the bottom straight, measured from its right end.
  engine::RunState bottom = piecesAt(2 * R + kPi * R + 1500, 1000);
  EXPECT_NEAR(bottom.sfront, 1500, 1e-9);
  EXPECT_NEAR(bottom.srear, 500, 1e-9);

  // Coming up the left circle towards the top.
  engine::RunState left = piecesAt(4 * R + 2 * kPi * R - 600, 1000);
  EXPECT_NEAR(left.arcs, kHalfPi + 600 / R, 1e-9);
  EXPECT_NEAR(left.arce, kHalfPi + 600 / R + 1000 / R, 1e-9);

  // Just onto the left circle: the rear, still on the bottom straight, is cut at 3pi/2.
  engine::RunState entered = piecesAt(4 * R + kPi * R + 300, 1000);
  EXPECT_NEAR(entered.arcs, kThreeHalfPi - 300 / R, 1e-9);
  EXPECT_EQ(entered.arce, kThreeHalfPi);
  EXPECT_NEAR(entered.sfront, 2 * R, 1e-9);
  EXPECT_NEAR(entered.srear, 2 * R + 300 - 1000, 1e-9);
}

TEST(LongTrack, SwappedDirectionsStaySwappedForTheNextErase) {
  SceneProbe probe(2);
  probe.run.pos1s = 100;
  probe.run.pos1e = 200;  // seen rear ahead of the seen front
  probe.run.angs = 1.0;
  probe.run.ange = 2.0;
  const auto calls = probe.draw(engine::LongTrackFrame);
  EXPECT_EQ(probe.run.angs, 2.0);
  EXPECT_EQ(probe.run.ange, 1.0);
  EXPECT_TRUE(SameArc(calls.back(), 2.0, 1.0, PaletteColor(14)));
}

TEST(LongTrack, ShrinkingTrainLeavesNoPieceUnerased) {
  // Drawn last frame on the left circle with length 1000 at pos1 = 900;
  // with this frame's length 500 the test 0 <= pos1old < L would fail.
  SceneProbe probe(2);
  probe.run.ltraincDrawn = 1000;
  probe.run.pos1old = 900;
  probe.run.arcsold = kHalfPi;
  probe.run.arceold = kHalfPi + 100 / R;
  probe.run.ltrainc = 500;
  probe.run.pos1 = 950;
  const auto erased = trainCalls(probe.draw(engine::LongTrackFrame), kBg);
  ASSERT_FALSE(erased.empty());
  EXPECT_TRUE(std::any_of(erased.begin(), erased.end(), [](const DrawCall& c) {
    return SameArc(c, kHalfPi, kHalfPi + 100 / R, kBg);
  }));
}

TEST(LongTrack, NegativeSpeedRunsAnticlockwiseAndWraps) {
  fakes::Rig rig;
  rig.startRun(2);
  rig.commands.CommandVdec_Click();
  rig.commands.CommandVdec_Click();
  rig.runFrames(3);
  EXPECT_GT(rig.state().pos1, rig.m.tracklen - 200);
  // Seen ends lie ahead of the true ones, still on the lap.
  EXPECT_GT(rig.state().pos1s, rig.state().pos1);
}

TEST(LongTrack, LayoutSpreadsTheReadoutRow) {
  fakes::Rig rig;
  rig.startRun(2);
  const float width = rig.form2Window.width();
  EXPECT_NEAR(width, 3165 * 1.4F, 1e-3);
  EXPECT_EQ(rig.f2("Llength_obs").left(), 0);
  EXPECT_EQ(rig.f2("TLocalTime").left(), width - 495 - 50);
  EXPECT_EQ(rig.f2("LLocalTime").left(), width - 495 - 50 - 855 - 50);
  const double midgap = rig.f2("LLocalTime").left() - (855 + 735);
  EXPECT_NEAR(rig.f2("Lv_obs").left(), 855 + 735 + (midgap - (495 + 735 + 50)) / 2, 1e-3);
  EXPECT_EQ(rig.f2("Tv_obs").left(), rig.f2("Lv_obs").left() + 495);
  EXPECT_NEAR(rig.state().x0dis, width / 2.0 - 1200 * rig.m.fract, 1e-9);
  EXPECT_NEAR(rig.state().x1dis, rig.state().x0dis + 2 * rig.state().rscreen, 1e-9);
}

TEST(LongTrack, ALowWindowWidensForItsReadoutRow) {
  fakes::Rig rig;
  // 3360 wide, narrower than the 4170 of the row's controls and 150 of gaps.
  rig.form2Window.setHeight(2400);
  rig.startRun(2);
  EXPECT_EQ(rig.form2Window.width(), 4320);
  EXPECT_EQ(rig.state().rowwidth, 4320);
  EXPECT_EQ(rig.f2("Llength_obs").left(), 0);
  EXPECT_EQ(rig.f2("TLocalTime").left(), 4320 - 495 - 50);
}

namespace {

// Every pixel a drawing call can touch, in twips: its shape and its pen.
struct Extent {
  float left, top, right, bottom;
};

Extent extentOf(const DrawCall& call) {
  constexpr float kPen = 30;  // 2 pixels
  switch (call.op) {
    case DrawCall::Op::Line:
      return {std::min(call.a, call.c) - kPen, std::min(call.b, call.d) - kPen,
              std::max(call.a, call.c) + kPen, std::max(call.b, call.d) + kPen};
    case DrawCall::Op::Arc: {
      // Walks the arc counter-clockwise from its start to its end.
      Extent e{call.a, call.b, call.a, call.b};
      const float sweep =
          call.end >= call.start ? call.end - call.start : call.end - call.start + 6.2831853F;
      for (int i = 0; i <= 64; ++i) {
        const float angle = call.start + sweep * static_cast<float>(i) / 64;
        const float x = call.a + call.c * std::cos(angle);
        const float y = call.b - call.c * std::sin(angle);
        e = {std::min(e.left, x - kPen), std::min(e.top, y - kPen), std::max(e.right, x + kPen),
             std::max(e.bottom, y + kPen)};
      }
      return e;
    }
    case DrawCall::Op::Circle:
      return {call.a - call.c - kPen, call.b - call.c - kPen, call.a + call.c + kPen,
              call.b + call.c + kPen};
    default:
      return {call.a, call.b, call.a, call.b};
  }
}

}  // namespace

TEST(LongTrack, TheWholeLapStaysInsideWindowsOfAnyHeight) {
  for (float height : {3165.0F, 8000.0F, 12000.0F}) {
    fakes::Rig rig;
    rig.form2Window.setHeight(height);
    rig.startRun(2);
    rig.clickVinc(29);
    rig.commands.TControl_Click();
    // Round the lap and a little more, fast and contracted.
    rig.runFrames(40);
    const float width = rig.form2Window.width();
    EXPECT_EQ(width, static_cast<float>(height * 1.4));
    for (const DrawCall& call : rig.picture().calls) {
      if (call.op == DrawCall::Op::Clear) continue;
      const Extent e = extentOf(call);
      ASSERT_GE(e.left, 0) << height;
      ASSERT_GE(e.top, 0) << height;
      ASSERT_LE(e.right, width) << height;
      ASSERT_LE(e.bottom, height) << height;
    }
  }
}

TEST(LongTrack, AtTheStoredHeightTheScaleFollowsTheHeight) {
  fakes::Rig rig;
  rig.startRun(2);
  EXPECT_EQ(rig.m.fract, (3165.0 - 1000) / 3000);
  EXPECT_EQ(rig.state().rscreen, 1200 * rig.m.fract);
}

TEST(LongTrack, ATallWindowHoldsTheScaleWhereTheTrackFits) {
  fakes::Rig rig;
  rig.form2Window.setHeight(12000);
  rig.startRun(2);
  const double fract = (12000 * 1.4 / 2 - 120) / 2400;
  EXPECT_DOUBLE_EQ(rig.m.fract, fract);
  EXPECT_DOUBLE_EQ(rig.state().rscreen, 1200 * fract);
  EXPECT_DOUBLE_EQ(rig.state().rhalf, 600 * fract);
  EXPECT_DOUBLE_EQ(rig.state().rhalf50, 600 * fract + 50);
  EXPECT_DOUBLE_EQ(rig.state().x0dis, 12000 * 1.4 / 2 - 1200 * fract);
}
