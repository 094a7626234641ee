// SPDX-License-Identifier: GPL-3.0-or-later
// The picture told in words: each sentence of what it means comes from the
// rule its state calls for, on frames where it must and must not; the
// announcements keep their spacing and never come with every frame.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "tests/fakes/Rig.h"
#include "ui/Description.h"

using fakes::Rig;

namespace {

const ui::MeaningRule& rule(const std::string& name) {
  const auto rules = ui::MeaningRules();
  return *std::find_if(rules.begin(), rules.end(),
                       [&](const ui::MeaningRule& r) { return r.name == name; });
}

// The first rule that applies speaks.
std::string speaking(const Rig& rig) {
  const ui::Situation now{rig.m, rig.runLoop.state()};
  for (const ui::MeaningRule& r : ui::MeaningRules()) {
    if (r.applies(now)) return r.name;
  }
  return "none";
}

struct Case {
  const char* what;
  int demonstration;
  std::function<void(Rig&)> play;
  const char* speaks;
  std::vector<const char*> silent;  // rules that must not apply here
};

void frames(Rig& rig, int count) {
  rig.runFrames(rig.runLoop.framesDrawn() + count);
}

TEST(Description, EachRuleSpeaksOnTheFramesThatCallForIt) {
  const Case cases[] = {
      {"round track at 15",
       1,
       [](Rig& r) { r.clickVinc(15), frames(r, 30); },
       "sameLength",
       {"seenShorter", "seenLonger", "turned", "standing"}},
      {"long track going away along the top",
       2,
       [](Rig& r) { r.clickVinc(15), frames(r, 7); },
       "seenShorter",
       {"sameLength", "seenLonger"}},
      {"long track coming back along the bottom",
       2,
       [](Rig& r) { r.clickVinc(15), frames(r, 30); },
       "seenLonger",
       {"sameLength", "seenShorter"}},
      {"standing from the start",
       1,
       [](Rig& r) { frames(r, 5); },
       "standing",
       {"creeping", "sameLength"}},
      {"just after v = 0",
       2,
       [](Rig& r) {
         r.clickVinc(10), frames(r, 20), r.commands.CommandVzero_Click(), frames(r, 3);
       },
       "creeping",
       {"standing", "seenLonger", "seenShorter"}},
      {"once the light of the run has arrived",
       1,
       [](Rig& r) {
         r.clickVinc(10), frames(r, 20), r.commands.CommandVzero_Click(), frames(r, 40);
       },
       "standing",
       {"creeping"}},
      {"v < down to 0 arrives at once",
       1,
       [](Rig& r) {
         r.clickVinc(2), frames(r, 20), r.commands.CommandVdec_Click(),
             r.commands.CommandVdec_Click(), frames(r, 3);
       },
       "standing",
       {"creeping"}},
      {"near c with contraction on",
       1,
       [](Rig& r) { r.commands.TControl_Click(), r.clickVinc(31), frames(r, 5); },
       "nearLight",
       {"standing", "creeping"}},
      {"near c with contraction off",
       1,
       [](Rig& r) { r.clickVinc(30), frames(r, 5); },
       "sameLength",
       {"nearLight"}},
      {"the passing body",
       3,
       [](Rig& r) { r.clickVinc(20), frames(r, 8); },
       "turned",
       {"seenShorter", "seenLonger", "sameLength"}},
      {"the passing body standing", 3, [](Rig& r) { frames(r, 5); }, "standing", {"turned"}},
  };
  for (const Case& c : cases) {
    Rig rig;
    rig.startRun(c.demonstration);
    c.play(rig);
    EXPECT_EQ(speaking(rig), c.speaks) << c.what;
    const ui::Situation now{rig.m, rig.runLoop.state()};
    for (const char* name : c.silent)
      EXPECT_FALSE(rule(name).applies(now)) << c.what << ": " << name;
    // What it means is said, after what is shown and how things stand.
    const ui::Description said = ui::Describe(now, rig.language);
    EXPECT_EQ(said.meaning, rule(c.speaks).says(now, rig.language)) << c.what;
    EXPECT_EQ(said.whole().rfind(said.meaning), said.whole().size() - said.meaning.size());
  }
}

// Numbers as the readouts show them, in the language's own way.
TEST(Description, SaysTheNumbersTheReadoutsShow) {
  Rig rig;
  rig.startRun(2);
  rig.commands.TControl_Click();
  rig.clickVinc(15);
  frames(rig, 30);
  const ui::Description said = ui::Describe({rig.m, rig.runLoop.state()}, rig.language);
  EXPECT_EQ(said.shown.rfind("Horse Racing Track. The observer stands", 0), 0U) << said.shown;
  for (const char* readout : {"Tlength_obs", "Tv_obs", "TLocalTime"}) {
    EXPECT_NE(said.state.find(": " + rig.f2(readout).text() + "."), std::string::npos) << readout;
  }
  EXPECT_NE(said.state.find("v = " + rig.f1("Tv").text() + ", c = 30."), std::string::npos);
  EXPECT_NE(said.state.find("87 % of its rest length"), std::string::npos) << said.state;
  // Before any run, and once it has ended, nothing is read into a picture that is not there.
  Rig fresh;
  EXPECT_TRUE(ui::Describe({fresh.m, fresh.runLoop.state()}, fresh.language).meaning.empty());
  rig.commands.CommandStart_Click();
  EXPECT_TRUE(ui::Describe({rig.m, rig.runLoop.state()}, rig.language).meaning.empty());
}

// A run with many clicks: an announcement for each kind of change, none
// closer than two seconds to the one before, none for a frame alone; the
// text alternative follows at most once a second while the picture runs.
TEST(Announcements, KeepTheirSpacingAndNeverComeWithEveryFrame) {
  Rig rig;
  fakes::FakeWindow& f = rig.form1Window;
  f.click("CommandStart");
  f.click("CommandStart");  // Select: the run begins
  rig.runFor(3);
  for (int second = 0; second < 20; ++second) {
    f.click("CommandVinc");
    if (second % 5 == 0) f.click("TControl");
    if (second % 7 == 0) f.click("CommandFreeze");
    rig.runFor(0.3);
    f.click("CommandVinc");
    rig.runFor(0.7);
  }
  // Ten quiet seconds of running: the text alternative once a second.
  if (rig.m.freeze == 1.0) f.click("CommandFreeze");
  rig.runFor(3);
  const std::size_t describedBefore = rig.shell.described.size();
  const auto framesBefore = rig.runLoop.framesDrawn();
  rig.runFor(10);
  EXPECT_GE(rig.runLoop.framesDrawn() - framesBefore, 95);
  EXPECT_LE(rig.shell.described.size() - describedBefore, 11U);
  EXPECT_GE(rig.shell.described.size() - describedBefore, 9U);
  f.click("CommandStart");  // Stop
  rig.runFor(5);
  const auto& said = rig.shell.announced;
  ASSERT_GE(said.size(), 10U);
  EXPECT_EQ(said.front().text, "Round Track runs.");
  EXPECT_EQ(said.back().text, "The run has ended.");
  for (std::size_t i = 1; i < said.size(); ++i) {
    EXPECT_GE(said[i].at - said[i - 1].at, ui::Announcer::kSpacing - 1e-9) << said[i].text;
  }
  EXPECT_LT(said.size(), static_cast<std::size_t>(rig.runLoop.framesDrawn() / 5));
  // The line of announcements shows the last one.
  EXPECT_EQ(rig.f1("TAnnounce").text(), said.back().text);
}

// A newer announcement takes the place of one not yet said; one asked for
// comes at once; a speed is said once the clicks have settled.
TEST(Announcements, TheNewestWaitingOneIsSaid) {
  Rig rig;
  std::vector<std::pair<double, std::string>> said;
  ui::Announcer announcer(rig.time, rig.time, [&](const std::string& text) {
    said.emplace_back(rig.time.now(), text);
  });
  const double start = rig.time.now();
  announcer.announce("first");
  announcer.announce("second");  // the first is not yet said: this replaces it
  rig.runFor(0.1);
  announcer.announce("third");
  announcer.announce("fourth");
  rig.runFor(3);
  for (int click = 0; click < 5; ++click) {
    announcer.announceSettled("v = " + std::to_string(click));
    rig.runFor(0.3);
  }
  rig.runFor(3);
  announcer.sayNow("asked for");
  ASSERT_EQ(said.size(), 4U);
  EXPECT_EQ(said[0], std::make_pair(start, std::string("second")));
  EXPECT_EQ(said[1], std::make_pair(start + 2, std::string("fourth")));
  EXPECT_EQ(said[2].second, "v = 4");
  EXPECT_DOUBLE_EQ(said[2].first, start + 3.1 + 1.2 + 0.5);
  EXPECT_EQ(said[3].second, "asked for");
}

}  // namespace
