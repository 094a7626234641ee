// SPDX-License-Identifier: GPL-3.0-or-later
// A demonstration is one record of the table: a fourth, made here and given
// to the program alone, is listed, chosen, linked to, run and explained
// like the others, with no other change to the program.
#include <gtest/gtest.h>

#include <vector>

#include "engine/Kinematics.h"
#include "engine/scenes/LongTrack.h"
#include "engine/scenes/ReadoutRow.h"
#include "tests/fakes/Rig.h"
#include "ui/ControlHelp.h"
#include "ui/Link.h"
#include "ui/Picture.h"

namespace {

// A straight track in front of the observer, the train running to the right.
void straightPoint(double s, double r, double /*tracklen*/, double& x, double& y) {
  x = s;
  y = r;
}

void straightWrap(engine::RunContext& c) {
  if (c.run.pos1 > 3000) c.run.pos1 -= 6000;
}

void straightLayout(engine::RunContext& c, double widthFactor) {
  engine::WideWindowLayout(c, widthFactor);
  c.run.x0dis = c.form2.window.width() / 2.0;
}

void straightFrame(engine::RunContext& c) {
  const auto y = static_cast<float>(c.run.y0 - c.m.rtrack * c.m.fract);
  const auto at = [&c](double x) { return static_cast<float>(c.run.x0dis + c.m.fract * x); };
  c.picture().DrawLine(at(c.run.srear), y, at(c.run.sfront), y, c.m.bgcolor);
  c.run.sfront = c.run.pos1;
  c.run.srear = c.run.pos1 - c.run.ltrainc;
  c.picture().DrawLine(at(c.run.srear), y, at(c.run.sfront), y, c.m.colours.train);
}

std::vector<engine::Demonstration> withAFourth() {
  std::vector<engine::Demonstration> table(engine::Demonstrations().begin(),
                                           engine::Demonstrations().end());
  engine::Demonstration straight = table.front();
  straight.listName = {"Demonstrations", "Straight Track"};
  straight.title = {"Demonstrations", "Train on a straight track"};
  straight.trackPoint = straightPoint;
  straight.wrap = straightWrap;
  straight.widthFactor = 2;
  straight.layout = straightLayout;
  straight.frame = straightFrame;
  straight.placeReadouts = engine::PlaceSpreadRow;
  straight.legend[0] = {"Keys", "the straight train where it truly is"};
  table.push_back(straight);
  return table;
}

TEST(DemonstrationTable, AFourthIsListedChosenLinkedRunAndExplainedLikeTheOthers) {
  const auto table = withAFourth();
  fakes::Rig rig(table);

  // The list and its box hold four lines.
  EXPECT_EQ(rig.f1("Text7").text(),
            "1 = Round Track\r\n2 = Horse Racing Track\r\n3 = Terrell rotation\r\n"
            "4 = Straight Track\r\n");
  EXPECT_EQ(rig.f1("Text7").height(), ui::ControlWindowLayoutFor(3).controls[8].height + 220);

  // The type steps through all four and back to the first.
  rig.form1Window.click("CommandStart");
  std::vector<std::string> shown;
  for (int i = 0; i < 4; ++i) {
    rig.form1Window.click("CommandSimulation");
    shown.push_back(rig.f1("LType").text());
  }
  EXPECT_EQ(shown, (std::vector<std::string>{" 2", " 3", " 4", " 1"}));

  // Its tips count no demonstrations, so they stay true; its legend is in the key list.
  for (const ui::ControlHelp& help : ui::ControlWindowHelp()) {
    const std::string tip = help.tip.source;
    EXPECT_EQ(tip.find("three"), std::string::npos) << tip;
    EXPECT_EQ(tip.find("1, 2"), std::string::npos) << tip;
  }
  EXPECT_NE(rig.core.keyListJson().find("the straight train where it truly is"), std::string::npos);

  // A link opens it, runs it laid out by its own record, and comes back the same.
  const ui::Link link = ui::ParseLink("?demo=4&v=10", table.size());
  ASSERT_EQ(link.demo, 4);
  EXPECT_FALSE(ui::ParseLink("?demo=5", table.size()).demo);
  ui::PrepareRun(link, rig.commands, rig.m, rig.form2Window);
  rig.runFrames(rig.runLoop.framesDrawn() + 20);
  EXPECT_EQ(rig.m.simtype, 4);
  EXPECT_EQ(rig.f2("Text5").text(), "Train on a straight track");
  EXPECT_EQ(rig.form2Window.width(), rig.form2Window.height() * 2);
  EXPECT_EQ(ui::LinkQuery(rig.m), "demo=4&v=10&contraction=off");
  EXPECT_EQ(ui::PictureTexts(rig.m, 1, rig.language).front().value, "Straight Track");
  // The light-delay solve worked on its track: the seen front lies behind the true one.
  EXPECT_LT(rig.state().pos1s, rig.state().pos1);
  EXPECT_EQ(rig.state().ys, rig.m.rtrack);
  for (const char* readout : {"Llength_obs", "TLocalTime"}) {
    EXPECT_GE(rig.f2(readout).left(), 0) << readout;
    EXPECT_LE(rig.f2(readout).left() + rig.f2(readout).width(), rig.form2Window.clientWidth())
        << readout;
  }
}

}  // namespace
