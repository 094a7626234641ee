// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "engine/Constants.h"
#include "engine/scenes/ReadoutRow.h"
#include "tests/fakes/Rig.h"

using engine::RunLoop;
using fakes::DrawCall;
using fakes::Rig;

TEST(RunLoop, SetUpTitlesClearsAndLoadsTheDefaults) {
  struct Case {
    int simtype;
    const char* title;
    double tracklen;
  };
  const Case cases[] = {
      {1, "Train on round track Demonstration", 7539.8223686136},
      {2, "Train on long track Demonstration", 12339.8223686136},
      {3, "Terrell rotation ?", 12339.8223686136},
  };
  for (const Case& c : cases) {
    Rig rig;
    rig.startRun(c.simtype);
    EXPECT_EQ(rig.f2("Text5").text(), c.title);
    EXPECT_EQ(rig.f1("Tcc").text(), "30");
    EXPECT_EQ(rig.m.cc, 30);
    EXPECT_EQ(rig.m.rtrack, 1200);
    EXPECT_NEAR(rig.m.tracklen, c.tracklen, 1e-9);
    EXPECT_EQ(rig.picture().calls.front().op, DrawCall::Op::Clear);
    EXPECT_EQ(rig.picture().penWidth, 2);
    EXPECT_EQ(rig.picture().fontSize, 15);
    EXPECT_EQ(rig.picture().backColour, platform::RGB(192, 192, 192));
    EXPECT_EQ(rig.form1Window.recording().calls.front().op, DrawCall::Op::Clear);
    EXPECT_EQ(rig.runLoop.framesDrawn(), 1);  // the first frame comes with the set-up
  }
}

// Under a window manager or on the page the frame makes the client area
// narrower than the window: at every height the whole readout row and the
// title lie inside the client area, in every demonstration.
// The title and the readout row lie inside the client area, each clear of
// the others: as a run lays them out, and after the window is resized in the
// middle of a run, down to its least size and up again.
void expectRowInside(Rig& rig, const std::string& where) {
  const char* names[] = {"Text5",  "Llength_obs", "Tlength_obs", "Lv_obs",
                         "Tv_obs", "LLocalTime",  "TLocalTime"};
  const float client = rig.form2Window.clientWidth();
  for (const char* name : names) {
    const auto& control = rig.f2(name);
    EXPECT_GE(control.left(), 0) << where << ' ' << name;
    EXPECT_LE(control.left() + control.width(), client) << where << ' ' << name;
    EXPECT_LE(control.top() + control.height(), rig.form2Window.height()) << where << ' ' << name;
  }
  // Left to right the row's controls follow one another without overlapping.
  for (std::size_t i = 2; i < std::size(names); ++i) {
    const auto& before = rig.f2(names[i - 1]);
    const auto& after = rig.f2(names[i]);
    EXPECT_LE(before.left() + before.width(), after.left()) << where << ' ' << names[i];
  }
  EXPECT_LE(rig.f2("Text5").top() + rig.f2("Text5").height(), rig.f2("Lv_obs").top()) << where;
}

TEST(Layout, TheTitleAndReadoutRowLieInsideTheClientAreaAtEverySize) {
  for (int simtype : {1, 2, 3}) {
    for (float height : {2400.0F, 3165.0F, 5000.0F, 9000.0F}) {
      for (float frame : {0.0F, 30.0F, 90.0F}) {
        Rig rig;
        rig.form2Window.frame = frame;
        rig.form2Window.setHeight(height);
        rig.startRun(simtype);
        const std::string run = std::to_string(simtype) + ", height " + std::to_string(height) +
                                ", frame " + std::to_string(frame);
        expectRowInside(rig, run);
        rig.runFrames(3);
        const float least = engine::ReadoutRowLeastWidth(rig.form2.displayView()) + frame;
        for (auto [width, high] :
             {std::pair{least, ui::kTrackWindowMinHeight}, std::pair{least + 1234, 2600.0F},
              std::pair{20000.0F, 12000.0F}, std::pair{least, 9000.0F}}) {
          rig.form2Window.setWidth(width);
          rig.form2Window.setHeight(high);
          rig.commands.Form2_Resize();
          expectRowInside(
              rig, run + ", resized to " + std::to_string(width) + " x " + std::to_string(high));
        }
      }
    }
  }
}

TEST(RunLoop, ScaleFollowsTheTrackWindowHeight) {
  Rig rig;
  rig.form2Window.setHeight(4000);
  rig.startRun(1);
  EXPECT_EQ(rig.m.fract, 1.0);
  EXPECT_EQ(rig.state().rscreen, 1200);
  EXPECT_EQ(rig.state().rtrack2, 1680);
  EXPECT_EQ(rig.state().y0, 1800);
}

TEST(RunLoop, ObserverDotIsDrawnEveryFrameInColourValue15) {
  Rig rig;
  rig.startRun(1);
  rig.runFrames(3);
  const auto& calls = rig.picture().calls;
  const auto dots = std::count_if(calls.begin(), calls.end(), [&](const DrawCall& call) {
    return call.op == DrawCall::Op::Point && call.colour == 15 &&
           call.a == static_cast<float>(rig.state().x0dis) &&
           call.b == static_cast<float>(rig.state().y0);
  });
  EXPECT_EQ(dots, 3);
}

TEST(RunLoop, SpeedReadoutShowsTwoDecimalsOnlyNearPlusOrMinusC) {
  struct Case {
    double v;
    const char* shown;
  };
  for (const Case& c : {Case{29.5, "29.5"}, Case{29, "29"}, Case{28.75, "28"}, Case{-3.5, "-4"},
                        Case{29.875, "29.87"}, Case{-29.5, "-29.5"}, Case{-29, "-29"},
                        Case{-29.875, "-29.88"}, Case{-28.75, "-29"}}) {
    Rig rig;
    rig.startRun(1);
    rig.m.v = c.v;
    rig.runFrames(2);
    EXPECT_EQ(rig.f1("Tv").text(), c.shown) << c.v;
  }
}

TEST(RunLoop, FramesComeNoFasterThanTenASecond) {
  Rig rig;
  rig.startRun(2);
  std::vector<double> starts;
  rig.runLoop.setFrameObserver([&] { starts.push_back(rig.time.now()); });
  rig.runFor(2.0);
  ASSERT_GE(starts.size(), 19U);
  for (std::size_t i = 1; i < starts.size(); ++i) {
    EXPECT_GE(starts[i] - starts[i - 1], 0.1 - 1e-4);
    EXPECT_LE(starts[i] - starts[i - 1], 0.1 + 1e-3);
  }
}

TEST(RunLoop, StopInTheEndOfFramePumpEndsTheRunAtOnce) {
  Rig rig;
  rig.startRun(1);
  // Posted while frame 3 draws: handled before that frame's end looks at stopflag.
  rig.runLoop.setFrameObserver([&] {
    if (rig.runLoop.framesDrawn() == 3) rig.time.post([&] { rig.commands.CommandStart_Click(); });
  });
  rig.runFor(2.0);
  EXPECT_EQ(rig.runLoop.framesDrawn(), 3);
  EXPECT_EQ(rig.runLoop.phase(), RunLoop::Phase::Idle);
  EXPECT_EQ(rig.f1("CommandStart").text(), "Start");
}

TEST(RunLoop, StopDuringThePacingWaitGetsOneMoreFrame) {
  Rig rig;
  rig.startRun(1);
  rig.runFrames(3);
  rig.time.at(rig.time.now() + 0.05, [&] { rig.commands.CommandStart_Click(); });
  rig.runFor(2.0);
  EXPECT_EQ(rig.runLoop.framesDrawn(), 4);
  EXPECT_EQ(rig.runLoop.phase(), RunLoop::Phase::Idle);
}

TEST(RunLoop, FreezeHoldsThePictureAndStopStillEndsIt) {
  Rig rig;
  rig.startRun(1);
  rig.clickVinc(1);
  rig.runFrames(3);
  rig.commands.CommandFreeze_Click();
  EXPECT_EQ(rig.f1("CommandFreeze").text(), "Un Freeze");
  rig.runFrames(4);  // the frame already due still comes
  const std::string shownLength = rig.f2("Tlength_obs").text();
  const std::int32_t framesCounted = rig.m.nframes;
  const auto drawnWhenFrozen = rig.runLoop.framesDrawn();
  const auto callsWhenFrozen = rig.picture().calls.size();
  rig.runFor(3.0);
  EXPECT_EQ(rig.runLoop.phase(), RunLoop::Phase::Frozen);
  EXPECT_EQ(rig.runLoop.framesDrawn(), drawnWhenFrozen);
  EXPECT_EQ(rig.picture().calls.size(), callsWhenFrozen);
  EXPECT_EQ(rig.m.nframes, framesCounted);
  EXPECT_EQ(rig.f2("Tlength_obs").text(), shownLength);
  // Every speed click while frozen shows at once in the speed box, and only there.
  using Click = void (ui::Commands::*)();
  const std::pair<Click, const char*> clicks[] = {{&ui::Commands::CommandVinc_Click, "2"},
                                                  {&ui::Commands::CommandVdec_Click, "1"},
                                                  {&ui::Commands::CommandVzero_Click, "0"},
                                                  {&ui::Commands::CommandVinc_Click, "1"},
                                                  {&ui::Commands::CommandVinc_Click, "2"}};
  for (const auto& [click, shown] : clicks) {
    (rig.commands.*click)();
    EXPECT_EQ(rig.f1("Tv").text(), shown);
    EXPECT_EQ(rig.runLoop.framesDrawn(), drawnWhenFrozen);
    EXPECT_EQ(rig.picture().calls.size(), callsWhenFrozen);
    EXPECT_EQ(rig.f2("Tlength_obs").text(), shownLength);
  }
  rig.commands.CommandFreeze_Click();
  EXPECT_EQ(rig.f1("CommandFreeze").text(), "Freeze");
  rig.runFor(0.05);
  EXPECT_EQ(rig.runLoop.framesDrawn(), drawnWhenFrozen);  // not earlier than 0.1 s
  rig.runFor(0.06);
  EXPECT_EQ(rig.runLoop.framesDrawn(), drawnWhenFrozen + 1);
  EXPECT_EQ(rig.f1("Tv").text(), "2");
  // Running again: steps, speed clicks and slow motion switched to and fro
  // keep one chain of frames, ten a second.
  rig.runFor(0.5);
  const auto drawnRunning = rig.runLoop.framesDrawn();
  for (int i = 0; i < 10; ++i) {
    rig.commands.StepFrame();
    rig.commands.CommandVinc_Click();
    rig.commands.SlowMotion();
    rig.commands.SlowMotion();
    rig.runFor(0.1);
  }
  EXPECT_EQ(rig.runLoop.phase(), RunLoop::Phase::Running);
  EXPECT_LE(rig.runLoop.framesDrawn() - drawnRunning, 11);

  rig.commands.CommandFreeze_Click();
  rig.runFor(0.5);
  rig.commands.CommandStart_Click();  // stop while frozen
  EXPECT_EQ(rig.runLoop.phase(), RunLoop::Phase::Idle);
  const auto drawn = rig.runLoop.framesDrawn();
  rig.runFor(1.0);
  EXPECT_EQ(rig.runLoop.framesDrawn(), drawn);
}

TEST(RunLoop, SecondRunStartsAfresh) {
  Rig rig;
  rig.startRun(1);
  rig.clickVinc(12);
  rig.runFrames(30);
  rig.commands.CommandVzero_Click();
  rig.commands.CommandFreeze_Click();
  rig.commands.CommandStart_Click();  // stop, frozen, coming to rest
  rig.runFor(1.0);
  EXPECT_EQ(rig.f1("CommandFreeze").text(), "Un Freeze");
  rig.form2Window.setHeight(4000);
  rig.startRun(2);
  EXPECT_EQ(rig.m.v, 0);
  EXPECT_EQ(rig.m.nframes, 0);
  EXPECT_EQ(rig.m.ptime, 0);
  EXPECT_EQ(rig.m.freeze, 0.0);
  EXPECT_EQ(rig.m.vstopped, 0);
  EXPECT_EQ(rig.m.fract, 1.0);
  EXPECT_EQ(rig.f1("LType").text(), " 2");
  rig.runFor(1.0);
  EXPECT_GT(rig.runLoop.framesDrawn(), 35);  // runs unfrozen
  rig.commands.CommandFreeze_Click();        // the first click freezes
  EXPECT_EQ(rig.f1("CommandFreeze").text(), "Un Freeze");
  EXPECT_EQ(rig.m.freeze, 1.0);
}

TEST(RunLoop, AnUnknownTypeEndsTheProgramAfterClearing) {
  Rig rig;
  rig.commands.CommandStart_Click();
  rig.m.chosenType = 7;
  rig.commands.CommandStart_Click();
  EXPECT_TRUE(rig.program.ended());
  EXPECT_EQ(rig.runLoop.framesDrawn(), 0);
  EXPECT_EQ(rig.f2("Text5").text(), "");
  EXPECT_EQ(rig.picture().calls.size(), 1U);  // the clear
}

TEST(RunLoop, CancelEndsTheProgramWithoutAnotherFrame) {
  Rig rig;
  rig.startRun(1);
  rig.runFrames(3);
  rig.time.at(rig.time.now() + 0.05, [&] { rig.commands.CommandCancel_Click(); });
  rig.runFor(2.0);
  EXPECT_TRUE(rig.program.ended());
  EXPECT_EQ(rig.runLoop.framesDrawn(), 3);
}

// A classroom display may run for weeks: the clock's reading then has
// coarse single-precision steps, but frames keep their period.
TEST(RunLoop, PacingHoldsAfterTheClockHasRunForWeeks) {
  for (double uptime : {86400.0, 1.0e7}) {
    Rig rig;
    rig.time.setNow(uptime);
    rig.startRun(1);
    std::vector<double> starts;
    rig.runLoop.setFrameObserver([&] { starts.push_back(rig.time.now()); });
    const auto wakeUpsBefore = rig.time.wakeUps();
    rig.runFor(3.0);
    ASSERT_GE(starts.size(), 29U) << uptime;
    for (std::size_t i = 1; i < starts.size(); ++i) {
      EXPECT_NEAR(starts[i] - starts[i - 1], 0.1, 2e-3) << uptime;
    }
    const double perFrame = static_cast<double>(rig.time.wakeUps() - wakeUpsBefore) /
                            static_cast<double>(starts.size());
    EXPECT_LE(perFrame, 4.0) << uptime;
  }
}

// Two seconds of frames, ten a second: one chain, not two side by side.
void expectOneChainOfFrames(Rig& rig) {
  std::vector<double> starts;
  rig.runLoop.setFrameObserver([&] { starts.push_back(rig.time.now()); });
  rig.runFor(2.0);
  ASSERT_GE(starts.size(), 19U);
  EXPECT_LE(starts.size(), 21U);
  for (std::size_t i = 1; i < starts.size(); ++i) {
    EXPECT_GE(starts[i] - starts[i - 1], 0.1 - 1e-4) << "frame " << i;
  }
}

// Stop, Start and Select inside one wait: the replaced run's timer must not
// start a second chain of frames beside the new run's.
TEST(RunLoop, ARunReplacedWithinOneWaitLeavesOneChainOfFrames) {
  Rig rig;
  rig.startRun(1);
  rig.clickVinc(5);
  rig.runFrames(5);
  rig.time.at(rig.time.now() + 0.03, [&] {
    rig.commands.CommandStart_Click();  // Stop
    rig.commands.CommandStart_Click();  // Start
    rig.commands.CommandStart_Click();  // Select
  });
  rig.runFor(0.05);
  expectOneChainOfFrames(rig);
}

// The same when the clicks wait in the end-of-frame pump: the replaced
// run's end of frame must not pace a chain of its own.
TEST(RunLoop, ARunReplacedInTheEndOfFramePumpLeavesOneChainOfFrames) {
  Rig rig;
  rig.startRun(1);
  rig.clickVinc(5);
  rig.runLoop.setFrameObserver([&] {
    if (rig.runLoop.framesDrawn() != 4) return;
    rig.time.post([&] {
      rig.commands.CommandStart_Click();  // Stop
      rig.commands.CommandStart_Click();  // Start
      rig.commands.CommandStart_Click();  // Select
    });
  });
  rig.runFrames(5);
  expectOneChainOfFrames(rig);
}
