// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "engine/Spacetime.h"
#include "engine/scenes/Demonstration.h"
#include "platform/web/PixelSurface.h"
#include "tests/fakes/GoldenRun.h"
#include "tests/fakes/Rig.h"

// The diagram is read as exact: the seen ends it marks are the engine's own,
// and they lie where the drawn light cone meets the drawn worldlines.
namespace {

using fakes::DrawCall;

// Half a pixel of the window, in twips.
constexpr double kHalfPixel = 7.5;
// The solver stops when a pass moves the seen end less than this.
constexpr double kConvergence = 1e-4;

struct Segment {
  double x1, y1, x2, y2;
};

double distanceTo(const Segment& s, double x, double y) {
  const double dx = s.x2 - s.x1, dy = s.y2 - s.y1;
  const double length2 = dx * dx + dy * dy;
  const double along =
      length2 == 0 ? 0 : std::clamp(((x - s.x1) * dx + (y - s.y1) * dy) / length2, 0.0, 1.0);
  return std::hypot(s.x1 + along * dx - x, s.y1 + along * dy - y);
}

double nearest(const std::vector<Segment>& lines, const DrawCall& mark) {
  double best = 1e300;
  for (const Segment& s : lines) best = std::min(best, distanceTo(s, mark.a, mark.b));
  return best;
}

// What one frame of the diagram drew, sorted by colour. The cone is drawn
// whole only when the picture is cleared; a frame after that mends pieces
// of it, and the cone of the last whole drawing stands.
struct Drawn {
  std::vector<Segment> cone, worldlines;
  std::vector<DrawCall> seenMarks, trueMarks;
};

Drawn drawnBy(const std::vector<DrawCall>& calls, const engine::Colours& colours) {
  Drawn drawn;
  for (const DrawCall& call : calls) {
    const Segment segment{call.a, call.b, call.c, call.d};
    if (call.op == DrawCall::Op::Line && call.colour == colours.direction) {
      drawn.cone.push_back(segment);
    } else if (call.op == DrawCall::Op::Line && call.colour == colours.train) {
      drawn.worldlines.push_back(segment);
    } else if (call.op == DrawCall::Op::Circle && call.colour == colours.seenEnd) {
      drawn.seenMarks.push_back(call);
    } else if (call.op == DrawCall::Op::Circle && call.colour == colours.train) {
      drawn.trueMarks.push_back(call);
    }
  }
  return drawn;
}

class SpacetimeDiagram : public testing::TestWithParam<std::tuple<int, fakes::GoldenScript>> {};

// Every frame of every golden run: a red mark for each seen end of the
// engine on the chart (four where a body passes), each on the drawn cone and on a drawn
// worldline, the true ends black on both worldlines at "now"; the cone at a
// seen end gives the engine's delay. After "v = 0" the engine only runs the
// delays down: its marks stay on the worldlines, and how far they lie from
// the exact cone is reported, not held.
TEST_P(SpacetimeDiagram, MarksTheEnginesSeenEndsWhereTheConeMeetsTheWorldlines) {
  const auto [simtype, script] = GetParam();
  double farthestRunning = 0, farthestStopped = 0, offWorldline = 0, worstDelay = 0;
  int frames = 0, stoppedFrames = 0;
  std::ptrdiff_t marks = 0;
  std::vector<Segment> cone;
  int wholeFrames = 0;
  fakes::WalkGoldenScript(
      simtype, script, [](fakes::Rig& rig) { rig.core.RunAid(ui::KeyAction::Spacetime); },
      [&](fakes::Rig& rig) {
        std::vector<DrawCall>& calls = rig.spacetimeWindow.recording().calls;
        Drawn drawn = drawnBy(calls, rig.m.colours);
        const bool whole = std::any_of(calls.begin(), calls.end(), [](const DrawCall& call) {
          return call.op == DrawCall::Op::Clear;
        });
        if (whole) {
          cone = drawn.cone;
          ++wholeFrames;
          // Every tick shown carries its number, "now" at the top.
          for (const char* tick : {"LTickX0", "LTickX1", "LTickT0", "LTickT1"}) {
            const fakes::FakeControl& label = rig.spacetimeWindow.control(tick);
            EXPECT_TRUE(label.isVisible() && !label.text().empty()) << tick;
          }
        }
        drawn.cone = cone;
        calls.clear();
        ++frames;
        const engine::RunState& run = rig.state();
        const engine::Chart chart = engine::ChartFor(rig.m, run, rig.spacetimeWindow.clientWidth(),
                                                     rig.spacetimeWindow.clientHeight());
        const std::vector<engine::Event> seen = engine::SeenEvents(rig.m, run);
        // The seen ends are the run's own: both ends, and the far edge's too
        // where a body passes.
        std::vector<double> solved = {run.pos1s, run.pos1e};
        if (engine::DemonstrationOf(rig.m, rig.m.simtype)->drawsBody) {
          solved.insert(solved.end(), {run.pos2s, run.pos2e});
        }
        ASSERT_EQ(seen.size(), solved.size());
        for (std::size_t i = 0; i < seen.size(); ++i) EXPECT_EQ(seen[i].x, solved[i]);
        const auto onChart = [&](const auto& events) {
          return std::count_if(events.begin(), events.end(),
                               [&](const engine::Event& e) { return chart.shows(e); });
        };
        ASSERT_EQ(std::ssize(drawn.seenMarks), onChart(seen)) << "frame " << frames;
        ASSERT_EQ(std::ssize(drawn.trueMarks), onChart(engine::TrueEnds(run)))
            << "frame " << frames;
        marks += std::ssize(drawn.seenMarks);
        // Nothing is marked off the chart.
        for (const auto* set : {&drawn.seenMarks, &drawn.trueMarks}) {
          for (const DrawCall& mark : *set) {
            EXPECT_GE(mark.a, chart.left - kHalfPixel);
            EXPECT_LE(mark.a, chart.left + chart.width + kHalfPixel);
            EXPECT_GE(mark.b, chart.top - kHalfPixel);
            EXPECT_LE(mark.b, chart.top + chart.height + kHalfPixel);
          }
        }
        ASSERT_FALSE(drawn.cone.empty());
        const bool stopped = rig.m.vstopped == 1;
        stoppedFrames += stopped ? 1 : 0;
        for (const DrawCall& mark : drawn.seenMarks) {
          offWorldline = std::max(offWorldline, nearest(drawn.worldlines, mark));
          EXPECT_LE(nearest(drawn.worldlines, mark), kHalfPixel) << "frame " << frames;
          const double offCone = nearest(drawn.cone, mark);
          if (stopped) {
            farthestStopped = std::max(farthestStopped, offCone);
          } else {
            EXPECT_LE(offCone, kHalfPixel) << "frame " << frames;
            farthestRunning = std::max(farthestRunning, offCone);
          }
        }
        for (const DrawCall& mark : drawn.trueMarks) {
          EXPECT_NEAR(mark.b, chart.up(0), kHalfPixel);
          // At the chart's edge, as a body comes back round, its worldline runs out
          // of the chart at once.
          const bool atEdge = std::fabs(mark.a - chart.across(chart.from)) < kHalfPixel ||
                              std::fabs(mark.a - chart.across(chart.to)) < kHalfPixel;
          if (!atEdge) {
            EXPECT_LE(nearest(drawn.worldlines, mark), kHalfPixel) << "frame " << frames;
          }
        }
        if (stopped) return;
        const std::vector<double> lines = engine::LinesOf(rig.m, run);
        for (std::size_t i = 0; i < seen.size(); ++i) {
          const double delay = engine::ConeAgo(rig.m, seen[i].x, lines[i / 2]);
          worstDelay = std::max(worstDelay, std::fabs(delay - seen[i].ago));
          EXPECT_NEAR(delay, seen[i].ago, kConvergence) << "frame " << frames << " end " << i;
        }
      });
  EXPECT_EQ(frames, fakes::kGoldenFrames);
  // A passing body's ends are off the chart before it comes into the window.
  EXPECT_GT(marks, frames * 3 / 2);
  EXPECT_GT(stoppedFrames, 0);         // the script's "v = 0" reached the diagram
  EXPECT_LT(wholeFrames, frames / 4);  // most frames draw only what moved
  std::printf(
      "demonstration %d: seen marks off the drawn cone %.3f px running, off the "
      "worldlines %.3f px; %.3f px from the exact cone after v = 0 (%d frames); largest "
      "delay difference %.2g\n",
      simtype, farthestRunning / 15, offWorldline / 15, farthestStopped / 15, stoppedFrames,
      worstDelay);
}

// A frame drawn over the frames before it, erasing what moved, shows the
// same pixels as the diagram of that frame drawn whole, through speed
// changes, contraction, v = 0, a negative speed, a new size and the
// projector palette.
TEST(SpacetimeDiagramPixels, WhatMovedLeavesNoTrace) {
  for (int simtype : {1, 2, 3}) {
    fakes::Rig rig;
    platform::PixelSurface shown;
    rig.spacetimeWindow.drawOn(shown);
    shown.resize(380, 286);
    rig.core.RunAid(ui::KeyAction::Spacetime);
    rig.startRun(simtype);
    int checked = 0;
    const auto check = [&] {
      fakes::FakeWindow alone(ui::SpacetimeWindowLayout());
      alone.resize(rig.spacetimeWindow.width(), rig.spacetimeWindow.height());
      platform::PixelSurface whole;
      whole.resize(shown.width(), shown.height());
      alone.drawOn(whole);
      engine::SpacetimeDiagram(ui::SpacetimeViewOf(alone)).draw(rig.m, rig.state(), rig.language);
      int differ = 0;
      for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) differ += shown.pixel(x, y) != whole.pixel(x, y);
      }
      EXPECT_EQ(differ, 0) << "demonstration " << simtype << ", frame "
                           << rig.runLoop.framesDrawn();
      ++checked;
    };
    const auto frames = [&](int count) {
      for (int i = 0; i < count; ++i) {
        rig.runFrames(rig.runLoop.framesDrawn() + 1);
        if (i % 7 == 6) check();
      }
    };
    fakes::SpeedsAndStops(rig, frames);
    // The page gives the panel a new size before the browser reports it, so
    // a frame may be drawn between on the picture of the old size.
    rig.spacetimeWindow.setWidth(rig.spacetimeWindow.width() + 1500);
    rig.spacetimeWindow.setHeight(rig.spacetimeWindow.height() + 1200);
    frames(1);
    shown.resize(480, 366);
    rig.spacetimeWindow.resize(rig.spacetimeWindow.width(), rig.spacetimeWindow.height());
    check();
    frames(20);
    rig.core.RunAid(ui::KeyAction::Palette);  // the projector's colours from the next run
    rig.commands.CommandStart_Click();
    rig.startRun(simtype);
    rig.clickVinc(25);
    frames(30);
    EXPECT_GT(checked, 15);
  }
}

INSTANTIATE_TEST_SUITE_P(GoldenRuns, SpacetimeDiagram,
                         testing::Combine(testing::Values(1, 2, 3),
                                          testing::Values(fakes::GoldenScript::Lesson,
                                                          fakes::GoldenScript::Stops)));

}  // namespace
