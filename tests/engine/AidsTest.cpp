// SPDX-License-Identifier: GPL-3.0-or-later
// The teaching aids: a step is one ordinary frame, slow motion only slows,
// and the projector palette's colours stand out from its background.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "engine/Colours.h"
#include "engine/scenes/Demonstration.h"
#include "tests/fakes/GoldenRun.h"
#include "tests/fakes/Rig.h"
#include "ui/Keys.h"

using fakes::Rig;

namespace {

// The first frame from which three steps cross a wrap of the lap (or the
// body's restart), with no scripted click among them.
int freezeBeforeAWrap(const std::vector<fakes::FrameRecord>& free) {
  const auto acts = fakes::GoldenScriptActionFrames();
  for (int n = 100; n + 4 < static_cast<int>(free.size()); ++n) {
    const bool quiet =
        std::none_of(acts.begin(), acts.end(), [n](int a) { return a >= n - 1 && a <= n + 4; });
    bool wraps = false;
    for (int k = n + 1; k <= n + 3; ++k) wraps = wraps || free[k].pos1 < free[k - 1].pos1;
    if (quiet && wraps) return n;
  }
  return -1;
}

}  // namespace

// Frozen, each step draws exactly the frame a free run draws at that index:
// the same calls, the same readouts, three times in a row, across a wrap.
TEST(Step, GivesTheSameFramesAsTheFreeRun) {
  for (int simtype : {1, 2, 3}) {
    const auto free = fakes::RunGoldenScript(simtype);
    const int frozenAfter = freezeBeforeAWrap(free);
    ASSERT_GT(frozenAfter, 0) << simtype;
    const auto stepped = fakes::RunGoldenScript(simtype, {frozenAfter, 3});
    // The frame already due when Freeze was clicked, then three steps.
    ASSERT_EQ(stepped.size(), static_cast<std::size_t>(frozenAfter + 1 + 3)) << simtype;
    for (std::size_t i = 0; i < stepped.size(); ++i) {
      ASSERT_EQ(fakes::FrameText(stepped[i]), fakes::FrameText(free[i]))
          << "demonstration " << simtype << ", frame " << i + 1;
    }
  }
}

TEST(Step, DoesNothingUnlessFrozen) {
  Rig rig;
  rig.startRun(1);
  rig.clickVinc(5);
  rig.runFrames(3);
  rig.commands.StepFrame();
  EXPECT_EQ(rig.runLoop.framesDrawn(), 3);
  rig.commands.CommandFreeze_Click();
  rig.runFor(1.0);
  const auto frozen = rig.runLoop.framesDrawn();
  rig.commands.StepFrame();
  rig.runFor(1.0);
  EXPECT_EQ(rig.runLoop.framesDrawn(), frozen + 1);
  EXPECT_EQ(rig.runLoop.phase(), engine::RunLoop::Phase::Frozen);
}

// A quarter of the pace; every frame the same as at the usual pace.
TEST(SlowMotion, FramesComeEvery400MillisecondsWithTheSameReadouts) {
  auto run = [](bool slow, std::vector<double>& times) {
    std::vector<std::string> readouts;
    Rig rig;
    if (slow) rig.commands.SlowMotion();
    rig.runLoop.setFrameObserver([&] {
      times.push_back(rig.time.now());
      readouts.push_back(rig.f1("Tv").text() + ' ' + rig.f1("TTime").text() + ' ' +
                         rig.f2("Tlength_obs").text() + ' ' + rig.f2("Tv_obs").text() + ' ' +
                         rig.f2("TLocalTime").text());
    });
    rig.startRun(2);
    rig.clickVinc(18);
    rig.runFrames(60);
    return readouts;
  };
  std::vector<double> usual, slow;
  EXPECT_EQ(run(true, slow), run(false, usual));
  std::vector<double> intervals;
  for (std::size_t i = 1; i < slow.size(); ++i) intervals.push_back(slow[i] - slow[i - 1]);
  std::sort(intervals.begin(), intervals.end());
  const double median = intervals[intervals.size() / 2];
  std::printf("slow motion: median interval %.4f s, least %.4f s, over %zu frames\n", median,
              intervals.front(), intervals.size());
  EXPECT_NEAR(median, 0.4, 0.001);
  EXPECT_GE(intervals.front(), 0.4 - 1e-4);
}

TEST(SlowMotion, HoldsAcrossStopAndStartUntilSwitchedOff) {
  Rig rig;
  rig.commands.SlowMotion();
  rig.startRun(1);
  rig.commands.CommandStart_Click();  // Stop
  rig.startRun(3);
  EXPECT_TRUE(rig.m.slowMotion);
  const auto before = rig.runLoop.framesDrawn();
  rig.runFor(1.0);
  EXPECT_EQ(rig.runLoop.framesDrawn(), before + 2);  // at 0.4 s a frame
  rig.commands.SlowMotion();
  EXPECT_FALSE(rig.m.slowMotion);
}

namespace {

// WCAG 2.1 relative luminance and contrast ratio.
double luminance(platform::Rgb colour) {
  auto channel = [](int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(platform::RedOf(colour)) + 0.7152 * channel(platform::GreenOf(colour)) +
         0.0722 * channel(platform::BlueOf(colour));
}

double contrast(platform::Rgb a, platform::Rgb b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace

// Every drawn colour at least 3:1 against the background (non-text contrast),
// the readouts' text 4.5:1 against its white box and its label's ground.
TEST(ProjectorPalette, EveryColourStandsOutFromTheBackground) {
  const engine::Colours c = engine::ColoursOf(engine::Palette::Projector);
  struct Role {
    const char* name;
    platform::Rgb colour;
    double least;
  };
  const Role roles[] = {{"train", c.train, 3},
                        {"seen ends", c.seenEnd, 3},
                        {"directions", c.direction, 3},
                        {"trail", c.trail, 3},
                        {"passing body", c.body, 3},
                        {"observer", c.observer, 3},
                        {"observed speed text", c.seenSpeed, 4.5}};
  for (const Role& role : roles) {
    const double ratio = contrast(role.colour, c.background);
    std::printf("projector palette: %-20s %5.2f:1 against the background\n", role.name, ratio);
    EXPECT_GE(ratio, role.least) << role.name;
  }
  // The readouts' boxes are white whatever the palette; their labels stand on the background.
  EXPECT_GE(contrast(c.seenSpeed, platform::RGB(255, 255, 255)), 4.5);
  EXPECT_GE(contrast(platform::RGB(0, 0, 0), c.background), 4.5);
}

// The legend names one colour for each meaning: in every palette and every
// demonstration, the colours it draws with differ from each other and from
// the ground. The train and the passing body never share a picture.
TEST(Palettes, ColoursOfDifferentMeaningsDiffer) {
  for (engine::Palette palette : {engine::Palette::Usual, engine::Palette::Projector}) {
    const engine::Colours c = engine::ColoursOf(palette);
    for (const engine::Demonstration& scene : engine::Demonstrations()) {
      std::vector<std::pair<const char*, platform::Rgb>> shown = {{"background", c.background},
                                                                  {"seen ends", c.seenEnd},
                                                                  {"directions", c.direction},
                                                                  {"observer", c.observer}};
      if (scene.drawsBody) {
        shown.emplace_back("passing body", c.body);
      } else {
        shown.emplace_back("train", c.train);
        shown.emplace_back("trail", c.trail);
      }
      for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
          EXPECT_NE(shown[i].second, shown[j].second)
              << shown[i].first << " and " << shown[j].first << " in " << scene.title.source
              << (palette == engine::Palette::Projector ? ", projector palette" : "");
        }
      }
    }
  }
}

// Pens and marks grow with the window in half steps up to four times, in
// the projector palette only; the usual palette keeps its pens at any size.
TEST(ProjectorPalette, PensAndMarksGrowWithTheWindow) {
  struct Case {
    engine::Palette palette;
    float height;
    int pen;
    float seenEndRadius;
  };
  const engine::Palette usual = engine::Palette::Usual, projector = engine::Palette::Projector;
  for (const Case& c :
       {Case{projector, 2400, 2, 15}, Case{projector, 3165, 2, 15}, Case{projector, 4748, 3, 22.5},
        Case{projector, 6330, 4, 30}, Case{projector, 9495, 6, 45}, Case{projector, 12660, 8, 60},
        Case{projector, 20000, 8, 60}, Case{usual, 12660, 2, 15}}) {
    Rig rig;
    rig.form2Window.setHeight(c.height);
    if (rig.m.palette != c.palette) rig.commands.SwitchPalette();
    rig.startRun(1);
    EXPECT_EQ(rig.picture().penWidth, c.pen) << c.height;
    // The round track's last two dots of a frame before its arcs: the seen ends.
    const auto& calls = rig.picture().calls;
    const auto seenEnd = std::find_if(calls.rbegin(), calls.rend(), [&](const fakes::DrawCall& d) {
      return d.op == fakes::DrawCall::Op::Circle && d.colour == rig.m.colours.seenEnd;
    });
    ASSERT_NE(seenEnd, calls.rend());
    EXPECT_EQ(seenEnd->c, c.seenEndRadius) << c.height;
  }
}

TEST(ProjectorPalette, ARunTakesItAtItsSetUpAndAnIdleWindowAtOnce) {
  Rig rig;
  rig.core.RunAid(ui::KeyAction::Spacetime);
  // The diagram's legend names the light cone's colour in the palette in effect.
  const auto coneNamed = [&rig](const char* colour) {
    EXPECT_EQ(rig.spacetimeWindow.control("LLegendCone").text().rfind(colour, 0), 0U)
        << rig.spacetimeWindow.control("LLegendCone").text();
  };
  rig.startRun(1);
  rig.clickVinc(5);
  rig.runFrames(5);
  rig.core.RunAid(ui::KeyAction::Palette);  // during a run: from the next set-up
  rig.runFrames(8);
  EXPECT_EQ(rig.m.bgcolor, platform::RGB(192, 192, 192));
  coneNamed("Light yellow");
  const auto& calls = rig.picture().calls;
  EXPECT_TRUE(std::none_of(calls.begin(), calls.end(), [](const fakes::DrawCall& call) {
    return call.colour == platform::RGB(255, 255, 255) && call.op == fakes::DrawCall::Op::Arc;
  }));
  rig.commands.CommandStart_Click();  // Stop
  rig.commands.CommandStart_Click();  // Start
  rig.commands.CommandStart_Click();  // Select: the new run takes the palette
  EXPECT_EQ(rig.m.bgcolor, platform::RGB(255, 255, 255));
  EXPECT_EQ(rig.picture().backColour, platform::RGB(255, 255, 255));
  EXPECT_EQ(rig.f2("Lv_obs").backColour, platform::RGB(255, 255, 255));
  EXPECT_EQ(rig.f2("Tv_obs").foreColour, platform::RGB(170, 0, 0));
  rig.runFrames(rig.runLoop.framesDrawn() + 1);
  coneNamed("Dark blue");
  rig.commands.CommandStart_Click();  // Stop: idle, so the next switch applies at once
  rig.core.RunAid(ui::KeyAction::Palette);
  EXPECT_EQ(rig.m.bgcolor, platform::RGB(192, 192, 192));
  EXPECT_EQ(rig.f1("Lv").backColour, platform::RGB(192, 192, 192));
  EXPECT_EQ(rig.picture().backColour, platform::RGB(192, 192, 192));  // recoloured, not cleared
  coneNamed("Light yellow");
}

// Every aid of the key list runs by the name the page's script uses for it:
// the core's own change the program and remember the switches, the others
// go to the shell; a name that names nothing runs nothing.
TEST(Aids, EveryAidRunsByItsNameAndTheSwitchesAreRemembered) {
  Rig rig;
  rig.startRun(1);
  rig.clickVinc(3);
  rig.runFrames(3);
  for (const ui::KeyHelp& key : ui::KeyList()) {
    if (key.action == ui::KeyAction::None) continue;
    const auto action = ui::ActionNamed(ui::ActionName(key.action));
    ASSERT_EQ(action, key.action) << ui::ActionName(key.action);
    const bool wasOn = rig.core.AidIsOn(*action);
    const std::size_t performed = rig.shell.performed.size();
    rig.core.RunAid(*action);
    if (ui::IsSwitch(*action)) {
      EXPECT_NE(rig.core.AidIsOn(*action), wasOn) << key.menu.source;
      const char* kept = *action == ui::KeyAction::Palette     ? "projector"
                         : *action == ui::KeyAction::Spacetime ? "spacetime"
                                                               : "slowMotion";
      EXPECT_EQ(rig.settings.value(kept), wasOn ? "false" : "true") << key.menu.source;
      rig.core.RunAid(*action);
    }
    const bool theShells = rig.shell.performed.size() > performed;
    const bool coresOwn = *action == ui::KeyAction::Step || *action == ui::KeyAction::Describe ||
                          ui::IsSwitch(*action);
    // The diagram is the core's; where its window goes, the shell's.
    const bool placed = *action == ui::KeyAction::Spacetime;
    EXPECT_EQ(theShells, !coresOwn || placed) << key.menu.source;
  }
  EXPECT_FALSE(ui::ActionNamed("") || ui::ActionNamed("stepp") || ui::ActionNamed("Step"));
}
