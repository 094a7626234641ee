// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "tests/fakes/Rig.h"
#include "ui/Link.h"

namespace {

ui::Link parse(std::string_view query) {
  return ui::ParseLink(query, engine::Demonstrations().size());
}

// What a link asks for, and what it leaves out.
TEST(Link, TakesSoundValuesAndLeavesOutTheRestSayingWhy) {
  struct Case {
    const char* query;
    std::optional<int> demo, clicks;
    std::optional<bool> contraction;
    std::optional<int> height;
    std::size_t ignored;
  };
  const Case cases[] = {
      {"?demo=2&v=24&contraction=on", 2, 24, true, {}, 0},
      {"demo=3&v=-30&height=600", 3, -30, {}, 600, 0},
      {"?demo=7", {}, {}, {}, {}, 1},
      {"?demo=1&v=abc", 1, {}, {}, {}, 1},
      {"?demo=1&v=1e308", 1, {}, {}, {}, 1},
      {"?demo=1&v=31", 1, {}, {}, {}, 1},
      {"?demo=1&v=-0", 1, 0, {}, {}, 0},
      {"?demo=1&v=%2D5", 1, -5, {}, {}, 0},
      {"?demo=1&v=%2d5", 1, -5, {}, {}, 0},
      {"?demo=1&height=-5", 1, {}, {}, {}, 1},
      {"?demo=1&height=99999", 1, {}, {}, {}, 1},
      {"?demo=1&height=159", 1, {}, {}, {}, 1},
      {"?demo=%3Cscript%3Ealert(1)%3C/script%3E", {}, {}, {}, {}, 1},
      {"?demo=2&demo=3", {}, {}, {}, {}, 1},
      {"?v=12", {}, {}, {}, {}, 1},  // v needs demo
      {"?demo=2&contraction=yes&utm_source=mail", 2, {}, {}, {}, 1},
      {"", {}, {}, {}, {}, 0},
      {"?&&=&demo", {}, {}, {}, {}, 1},
  };
  for (const Case& c : cases) {
    const ui::Link link = parse(c.query);
    EXPECT_EQ(link.demo, c.demo) << c.query;
    EXPECT_EQ(link.speedClicks, c.clicks) << c.query;
    EXPECT_EQ(link.contraction, c.contraction) << c.query;
    EXPECT_EQ(link.height, c.height) << c.query;
    EXPECT_EQ(link.ignored.size(), c.ignored) << c.query;
  }
  const ui::Link hostile = parse("?lang=%3Cimg%20src=x%3E&palette=projector");
  EXPECT_FALSE(hostile.language);
  EXPECT_EQ(hostile.palette, engine::Palette::Projector);
  EXPECT_EQ(hostile.ignored.size(), 1U);
  // Language codes of two or three letters, then parts of two to eight.
  for (const char* code : {"pt_BR", "de", "yue-Hant-HK", "zh-Hans-CN-x1"}) {
    EXPECT_EQ(parse(std::string("?lang=") + code).language, code);
  }
  for (const char* code : {"x_en", "d", "deut", "de-x", "de-abcdefghi", "zh-Hans-CN-x1-x2"}) {
    EXPECT_FALSE(parse(std::string("?lang=") + code).language) << code;
  }
}

// The table of hostile values the browser's tests hold against the page too.
std::vector<std::string> hostileValues() {
  std::ifstream file(HOSTILE_LINK_VALUES);
  std::vector<std::string> values;
  for (std::string line; std::getline(file, line);) {
    if (line.empty() || line.front() == '#') continue;
    values.push_back(line == "(empty)" ? "" : line);
  }
  return values;
}

// Every word of a link leaves out every hostile value, once, saying so, and
// takes nothing from it; given twice, even with sound values, it is left out.
TEST(Link, EveryWordLeavesOutEveryHostileValue) {
  const auto values = hostileValues();
  ASSERT_GT(values.size(), 20U);
  for (const char* word : {"demo", "v", "contraction", "height", "lang", "palette", "spacetime"}) {
    // A demonstration, so that the words that need one are read for themselves.
    const std::string demo = std::string(word) == "demo" ? "" : "demo=2&";
    for (const std::string& value : values) {
      std::string query = "?" + demo;
      query.append(word).append("=").append(value);
      const ui::Link link = parse(query);
      EXPECT_EQ(link.demo, demo.empty() ? std::nullopt : std::optional<int>(2)) << query;
      EXPECT_FALSE(link.speedClicks || link.contraction || link.height || link.language ||
                   link.palette || link.spacetime)
          << query;
      ASSERT_EQ(link.ignored.size(), 1U) << query;
      EXPECT_EQ(link.ignored.front().rfind(word, 0), 0U) << query << ": " << link.ignored.front();
    }
  }
  for (const char* repeated :
       {"?demo=1&demo=1", "?demo=1&v=3&v=3", "?demo=1&height=400&height=400", "?lang=de&lang=de",
        "?palette=usual&palette=usual", "?demo=1&contraction=on&contraction=on",
        "?spacetime=on&spacetime=on"}) {
    const ui::Link link = parse(repeated);
    EXPECT_FALSE(link.speedClicks || link.height || link.language || link.palette ||
                 link.contraction || link.spacetime)
        << repeated;
    EXPECT_EQ(link.ignored.size(), 1U) << repeated;
  }
}

// A link opens straight into the moving demonstration, and "Copy link" on
// that run gives the same link back.
TEST(Link, OpensTheRunItNamesAndComesBackTheSame) {
  for (const char* query :
       {"demo=1&v=0&contraction=off", "demo=2&v=24&contraction=on", "demo=3&v=-30&contraction=off",
        "demo=2&v=30&contraction=on", "demo=1&v=-30&contraction=on", "demo=3&v=7&contraction=on"}) {
    fakes::Rig rig;
    ui::PrepareRun(parse(query), rig.commands, rig.m, rig.form2Window);
    EXPECT_EQ(rig.m.mode, engine::RunMode::Running) << query;
    rig.runFrames(rig.runLoop.framesDrawn() + 2);
    EXPECT_EQ(ui::LinkQuery(rig.m), query);
  }
  fakes::Rig rig;
  ui::PrepareRun(parse("?demo=2&v=30&contraction=on&height=400"), rig.commands, rig.m,
                 rig.form2Window);
  EXPECT_EQ(rig.m.simtype, 2);
  EXPECT_EQ(rig.m.v, 29.5);  // what 30 clicks give with contraction on
  EXPECT_EQ(rig.form2Window.height(), 6000);
}

// A shell that lays the track window out first has the link's demonstration
// chosen, and its run selected when it says so: the same run, at the size
// the shell gave the window, once. A link's own height runs at once; the
// user's choice made meanwhile holds, and so does the program's end.
TEST(Link, WaitsForTheTrackWindowWhenTheShellLaysItOutFirst) {
  const auto opened = [](const char* query) {
    ui::StartChoices choices;
    choices.link = parse(query);
    choices.layOutFirst = true;
    return std::make_unique<fakes::Rig>(engine::Demonstrations(), choices);
  };
  for (const auto& [query, demo] :
       {std::pair{"demo=2&v=24&contraction=on", 2}, {"demo=3&v=-30&contraction=off", 3}}) {
    const auto rig = opened(query);
    EXPECT_EQ(rig->m.mode, engine::RunMode::Choosing) << query;
    EXPECT_EQ(rig->m.chosenType, demo) << query;
    rig->form2Window.setHeight(9000);
    rig->core.selectLinkedRun();
    ASSERT_EQ(rig->m.mode, engine::RunMode::Running) << query;
    rig->runFrames(rig->runLoop.framesDrawn() + 2);
    EXPECT_EQ(ui::LinkQuery(rig->m), query);
    EXPECT_EQ(rig->form2Window.height(), 9000) << query;
    rig->commands.CommandStart_Click();  // Stop, and Start again: choosing, by the user
    rig->commands.CommandStart_Click();
    rig->core.selectLinkedRun();
    EXPECT_EQ(rig->m.mode, engine::RunMode::Choosing) << query << ": selected twice";
  }
  EXPECT_EQ(opened("demo=2&height=400")->m.mode, engine::RunMode::Running);
  const auto rechosen = opened("demo=2&v=5");
  rechosen->commands.CommandSimulation_Click();
  rechosen->core.selectLinkedRun();
  EXPECT_EQ(rechosen->m.mode, engine::RunMode::Choosing);
  EXPECT_EQ(rechosen->m.chosenType, 3);
  const auto cancelled = opened("demo=2&v=5");
  cancelled->commands.CommandCancel_Click();
  cancelled->core.selectLinkedRun();
  EXPECT_NE(cancelled->m.mode, engine::RunMode::Running);
}

}  // namespace
