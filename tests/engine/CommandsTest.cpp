// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "engine/RunLoop.h"
#include "tests/fakes/Rig.h"

using fakes::FakeWindow;
using fakes::Rig;

namespace {

// The controls shown, but the line of announcements, which every state shows.
std::set<std::string> visibleControls(FakeWindow& window, const ui::WindowLayout& stored) {
  std::set<std::string> shown;
  for (const ui::StoredControl& c : stored.controls) {
    if (c.name == "TAnnounce") {
      EXPECT_TRUE(window.control(c.name).isVisible());
    } else if (window.control(std::string(c.name)).isVisible()) {
      shown.insert(std::string(c.name));
    }
  }
  return shown;
}

using Names = std::set<std::string>;

}  // namespace

TEST(Load, ShowsOnlyStartAndCancelWithTheTrackWindowHidden) {
  Rig rig;
  EXPECT_EQ(visibleControls(rig.form1Window, ui::ControlWindowLayout()),
            (Names{"CommandStart", "CommandCancel"}));
  EXPECT_TRUE(visibleControls(rig.form2Window, ui::TrackWindowLayout()).empty());
  EXPECT_FALSE(rig.form2Window.isVisible());
  EXPECT_EQ(rig.m.bgcolor, platform::RGB(192, 192, 192));
  EXPECT_EQ(rig.form1Window.recording().backColour, rig.m.bgcolor);
  EXPECT_EQ(rig.form2Window.recording().backColour, rig.m.bgcolor);
  EXPECT_EQ(rig.f2("Lv_obs").backColour, rig.m.bgcolor);
  for (const char* name : {"CommandStart", "CommandVinc", "CommandVdec", "CommandVzero", "Lv",
                           "Lcc", "LTime", "LControl"}) {
    EXPECT_EQ(rig.f1(name).backColour, rig.m.bgcolor) << name;
  }
  for (const char* name : {"Llength_obs", "Lv_obs", "LLocalTime"}) {
    EXPECT_EQ(rig.f2(name).backColour, rig.m.bgcolor) << name;
  }
  EXPECT_EQ(rig.f1("LType").text(), "1");
  EXPECT_EQ(rig.f1("Tv").text(), "0");
  EXPECT_EQ(rig.f2("Tlength_obs").text(), "1000");
  EXPECT_EQ(rig.f2("Tv_obs").text(), "0");
  EXPECT_EQ(rig.f2("Text5").text(), "");
  EXPECT_EQ(rig.form1Window.height(), 2520 + 300);  // and the line of announcements
  EXPECT_EQ(rig.form2Window.width(), rig.form1Window.width());
}

TEST(Load, ResizePlacesTheChoiceControlsTheSameEveryTime) {
  Rig rig;
  for (int i = 0; i < 3; ++i) {
    rig.commands.Form_Resize();
    EXPECT_EQ(rig.f1("Text7").left(), 2440);
    EXPECT_EQ(rig.f1("CommandSimulation").left(), 120);
    EXPECT_EQ(rig.f1("CommandSimulation").top(), 600);
    EXPECT_EQ(rig.f1("LType").left(), 1180);
    EXPECT_EQ(rig.f1("LType").top(), 660);
  }
}

TEST(RunCommands, StartSelectStopWalkTheStatesOfTheControlWindow) {
  Rig rig;
  rig.form1Window.setLeft(3000);
  rig.form1Window.setTop(1500);
  rig.commands.CommandStart_Click();
  EXPECT_EQ(rig.f1("CommandStart").text(), "Select");
  EXPECT_EQ(
      visibleControls(rig.form1Window, ui::ControlWindowLayout()),
      (Names{"CommandStart", "CommandCancel", "CommandSimulation", "Text5", "LType", "Text7"}));
  EXPECT_EQ(rig.f1("Text5").text(), "Select Simulation");
  EXPECT_TRUE(rig.form2Window.isVisible());
  EXPECT_EQ(rig.form2Window.top(), 1500 + 2520 + 300);
  EXPECT_EQ(rig.form2Window.left(), 3000);

  rig.commands.CommandStart_Click();
  EXPECT_EQ(rig.f1("CommandStart").text(), "Stop");
  EXPECT_EQ(visibleControls(rig.form1Window, ui::ControlWindowLayout()),
            (Names{"CommandStart", "CommandCancel", "CommandVinc", "Lv", "Tv", "Lcc", "Tcc",
                   "Text5", "LControl", "TControl", "LTime", "TTime"}));
  EXPECT_EQ(rig.f1("Text5").text(), "Select Speed v");
  EXPECT_EQ(visibleControls(rig.form2Window, ui::TrackWindowLayout()).size(), 7U);
  rig.commands.CommandVinc_Click();
  for (const char* name : {"CommandVdec", "CommandVzero", "CommandFreeze"}) {
    EXPECT_TRUE(rig.f1(name).isVisible()) << name;
  }

  rig.runFor(0.5);
  rig.commands.CommandStart_Click();
  EXPECT_EQ(rig.f1("CommandStart").text(), "Start");
  EXPECT_EQ(rig.m.stopflag, 1);
  EXPECT_EQ(visibleControls(rig.form1Window, ui::ControlWindowLayout()),
            (Names{"CommandStart", "CommandCancel"}));
  EXPECT_TRUE(visibleControls(rig.form2Window, ui::TrackWindowLayout()).empty());
  EXPECT_TRUE(rig.form2Window.isVisible());  // keeps its picture
}

TEST(RunCommands, SimulationStepsTheTypeRoundAndRound) {
  Rig rig;
  rig.commands.CommandStart_Click();
  const char* expected[] = {" 2", " 3", " 1", " 2"};
  for (const char* type : expected) {
    rig.commands.CommandSimulation_Click();
    EXPECT_EQ(rig.f1("LType").text(), type);
  }
  rig.commands.LType_Click();
  EXPECT_EQ(rig.f1("LType").text(), " 3");
}

TEST(RunCommands, ASecondRunUsesTheTypeLastChosen) {
  Rig rig;
  rig.startRun(3);
  rig.runFor(0.3);
  rig.commands.CommandStart_Click();  // Stop
  rig.commands.CommandStart_Click();  // Start
  rig.commands.CommandStart_Click();  // Select
  EXPECT_EQ(rig.f1("LType").text(), " 3");
  EXPECT_EQ(rig.m.simtype, 3);
  EXPECT_EQ(rig.f2("Text5").text(), "Terrell rotation ?");
}

TEST(SpeedCommands, RaisingWithoutContractionStopsAtC) {
  Rig rig;
  rig.startRun(1);
  for (int expected = 1; expected <= 30; ++expected) {
    rig.commands.CommandVinc_Click();
    EXPECT_EQ(rig.m.v, expected);
  }
  rig.commands.CommandVinc_Click();
  EXPECT_EQ(rig.m.v, 30);
  rig.commands.TControl_Click();  // ON at exactly c: stays
  rig.commands.CommandVinc_Click();
  EXPECT_EQ(rig.m.v, 30);
}

TEST(SpeedCommands, RaisingWithContractionHalvesTheGapToC) {
  Rig rig;
  rig.startRun(1);
  rig.commands.TControl_Click();
  EXPECT_EQ(rig.f1("TControl").text(), "ON");
  rig.clickVinc(27);
  const double expected[] = {28, 29, 29.5, 29.75, 29.875, 29.9375};
  for (double v : expected) {
    rig.commands.CommandVinc_Click();
    EXPECT_EQ(rig.m.v, v);
  }
  for (int i = 0; i < 30; ++i) {
    rig.commands.CommandVinc_Click();
    EXPECT_LT(rig.m.v, 30);
  }
}

TEST(SpeedCommands, LoweringFloorsAndStopsAtMinusC) {
  Rig rig;
  rig.startRun(1);
  rig.m.v = 29.875;
  rig.commands.CommandVdec_Click();
  EXPECT_EQ(rig.m.v, 28);
  EXPECT_EQ(rig.m.vold, 29.875F);
  rig.m.v = 0;
  const double expected[] = {-1, -2, -3};
  for (double v : expected) {
    rig.commands.CommandVdec_Click();
    EXPECT_EQ(rig.m.v, v);
  }
  for (int i = 0; i < 40; ++i) rig.commands.CommandVdec_Click();
  EXPECT_EQ(rig.m.v, -30);
  rig.commands.CommandVinc_Click();  // from below 1 the speed restarts at 0
  EXPECT_EQ(rig.m.v, 1);
  rig.commands.TControl_Click();
  rig.commands.CommandVdec_Click();
  rig.commands.CommandVdec_Click();
  rig.commands.CommandVinc_Click();
  EXPECT_EQ(rig.m.v, 1);
}

TEST(SpeedCommands, VZeroRemembersTheSpeedItStopped) {
  Rig rig;
  rig.startRun(1);
  rig.clickVinc(12);
  rig.commands.CommandVzero_Click();
  EXPECT_EQ(rig.m.v, 0);
  EXPECT_EQ(rig.m.vstop, 12);
  EXPECT_EQ(rig.m.vold, 0);
  EXPECT_EQ(rig.m.vstopped, 1);
  rig.commands.CommandVinc_Click();
  EXPECT_EQ(rig.m.v, 1);
  EXPECT_EQ(rig.m.vstopped, 0);
}

// The captions show the choices; whatever a caption says (another language,
// or text put in the box), the values decide what a click and a frame do.
TEST(Captions, NeverDecideWhatAClickDoes) {
  Rig rig;
  rig.startRun(1);
  rig.form1.TControl.setText("ON");
  rig.form1.CommandStart.setText("Start");
  rig.form1.LType.setText(" 3");
  rig.clickVinc(31);
  EXPECT_EQ(rig.m.v, 30);  // contraction is off: plain steps to c
  rig.runFrames(3);
  EXPECT_EQ(rig.state().ltrainc, 1000);
  rig.commands.TControl_Click();
  EXPECT_TRUE(rig.m.contraction);
  EXPECT_EQ(rig.f1("TControl").text(), "ON");
  rig.commands.TControl_Click();
  EXPECT_EQ(rig.f1("TControl").text(), "OFF");
  rig.commands.CommandStart_Click();  // running: this is "Stop"
  EXPECT_EQ(rig.m.mode, engine::RunMode::Idle);
  EXPECT_EQ(rig.f1("CommandStart").text(), "Start");
  rig.startRun(2);  // the type chosen before, 1, steps to 2
  EXPECT_EQ(rig.m.simtype, 2);
}

TEST(RunCommands, ClosingThePictureWhileChoosingIsUndoneBySelect) {
  Rig rig;
  rig.commands.CommandStart_Click();
  rig.commands.Form2_Close();
  EXPECT_FALSE(rig.form2Window.isVisible());
  EXPECT_EQ(rig.f1("CommandStart").text(), "Select");
  rig.commands.CommandStart_Click();
  EXPECT_TRUE(rig.form2Window.isVisible());
  EXPECT_EQ(rig.runLoop.phase(), engine::RunLoop::Phase::Running);
}

TEST(RunCommands, ClosingThePictureDuringARunStopsTheRun) {
  Rig rig;
  rig.startRun(1);
  rig.clickVinc(3);
  rig.runFrames(5);
  rig.commands.Form2_Close();
  rig.runFor(1.0);
  EXPECT_FALSE(rig.form2Window.isVisible());
  EXPECT_EQ(rig.runLoop.phase(), engine::RunLoop::Phase::Idle);
  EXPECT_EQ(rig.m.stopflag, 1);
  EXPECT_EQ(visibleControls(rig.form1Window, ui::ControlWindowLayout()),
            (Names{"CommandStart", "CommandCancel"}));
  EXPECT_EQ(rig.f1("CommandStart").text(), "Start");
  // The cycle goes on as after a stop: Start shows the picture again.
  rig.commands.CommandStart_Click();
  EXPECT_TRUE(rig.form2Window.isVisible());
  EXPECT_EQ(rig.f1("CommandStart").text(), "Select");
}

namespace {

bool overlap(const fakes::FakeControl& a, const fakes::FakeControl& b) {
  return a.left() < b.left() + b.width() && b.left() < a.left() + a.width() &&
         a.top() < b.top() + b.height() && b.top() < a.top() + a.height();
}

std::string pairName(const std::string& a, const std::string& b) {
  std::string name = a;
  name += '+';
  name += b;
  return name;
}

// Pairs of shown controls of the control window that overlap, but for a
// label reaching into its own box.
std::set<std::string> overlapping(Rig& rig) {
  const Names labelOnItsBox = {"LTime+TTime", "LControl+TControl"};
  std::set<std::string> found;
  const auto shown = visibleControls(rig.form1Window, ui::ControlWindowLayout());
  for (const std::string& a : shown) {
    for (const std::string& b : shown) {
      if (a < b && overlap(rig.f1(a), rig.f1(b)) && labelOnItsBox.count(pairName(a, b)) == 0 &&
          labelOnItsBox.count(pairName(b, a)) == 0) {
        found.insert(pairName(a, b));
      }
    }
  }
  return found;
}

}  // namespace

TEST(Load, ShownControlsStayClearOfEachOtherInEveryState) {
  Rig rig;
  EXPECT_EQ(overlapping(rig), Names{});
  rig.commands.CommandStart_Click();  // choosing
  EXPECT_EQ(overlapping(rig), Names{});
  rig.commands.CommandStart_Click();  // running
  rig.commands.CommandVinc_Click();
  EXPECT_EQ(visibleControls(rig.form1Window, ui::ControlWindowLayout()).size(), 15U);
  EXPECT_EQ(overlapping(rig), Names{});
}
