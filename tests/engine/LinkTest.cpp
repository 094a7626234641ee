// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>

#include "tests/fakes/Rig.h"
#include "ui/Link.h"

namespace {

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
    const ui::Link link = ui::ParseLink(c.query);
    EXPECT_EQ(link.demo, c.demo) << c.query;
    EXPECT_EQ(link.speedClicks, c.clicks) << c.query;
    EXPECT_EQ(link.contraction, c.contraction) << c.query;
    EXPECT_EQ(link.height, c.height) << c.query;
    EXPECT_EQ(link.ignored.size(), c.ignored) << c.query;
  }
  const ui::Link hostile = ui::ParseLink("?lang=%3Cimg%20src=x%3E&palette=projector");
  EXPECT_FALSE(hostile.language);
  EXPECT_EQ(hostile.palette, engine::Palette::Projector);
  EXPECT_EQ(hostile.ignored.size(), 1U);
  // Language codes of two or three letters, then parts of two to eight.
  for (const char* code : {"pt_BR", "de", "yue-Hant-HK", "zh-Hans-CN-x1"}) {
    EXPECT_EQ(ui::ParseLink(std::string("?lang=") + code).language, code);
  }
  for (const char* code : {"x_en", "d", "deut", "de-x", "de-abcdefghi", "zh-Hans-CN-x1-x2"}) {
    EXPECT_FALSE(ui::ParseLink(std::string("?lang=") + code).language) << code;
  }
}

// A link opens straight into the moving demonstration, and "Copy link" on
// that run gives the same link back.
TEST(Link, OpensTheRunItNamesAndComesBackTheSame) {
  for (const char* query :
       {"demo=1&v=0&contraction=off", "demo=2&v=24&contraction=on", "demo=3&v=-30&contraction=off",
        "demo=2&v=30&contraction=on", "demo=1&v=-30&contraction=on", "demo=3&v=7&contraction=on"}) {
    fakes::Rig rig;
    ui::PrepareRun(ui::ParseLink(query), rig.commands, rig.m, rig.form2Window);
    EXPECT_EQ(rig.m.mode, engine::RunMode::Running) << query;
    rig.runFrames(rig.runLoop.framesDrawn() + 2);
    EXPECT_EQ(ui::LinkQuery(rig.m), query);
  }
  fakes::Rig rig;
  ui::PrepareRun(ui::ParseLink("?demo=2&v=30&contraction=on&height=400"), rig.commands, rig.m,
                 rig.form2Window);
  EXPECT_EQ(rig.m.simtype, 2);
  EXPECT_EQ(rig.m.v, 29.5);  // what 30 clicks give with contraction on
  EXPECT_EQ(rig.form2Window.height(), 6000);
}

}  // namespace
