// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fakes/Rig.h"

namespace fakes {
namespace {

ui::ControlLookup lookupIn(FakeWindow& window) {
  return [&window](std::string_view name) -> platform::Control& {
    return window.control(std::string(name));
  };
}

}  // namespace

Rig::Rig()
    : form1Window(ui::ControlWindowLayout()),
      form2Window(ui::TrackWindowLayout()),
      form1(ui::Form1::Bind(form1Window, lookupIn(form1Window))),
      form2(ui::Form2::Bind(form2Window, lookupIn(form2Window))),
      runLoop(m, form1.panelView(), form2.displayView(), time, time, program, language),
      commands(m, form1, form2, runLoop, program, language) {
  commands.Form1_Load();
  form1Window.setVisible(true);
  commands.Form_Resize();
}

void Rig::startRun(int simtype) {
  commands.CommandStart_Click();
  while (m.chosenType != simtype) commands.CommandSimulation_Click();
  commands.CommandStart_Click();
}

void Rig::runFrames(std::int64_t frames) {
  while (runLoop.framesDrawn() < frames && !time.idle() && !program.ended()) {
    time.runUntil(time.now() + 0.01, program);
  }
}

void Rig::clickVinc(int times) {
  for (int i = 0; i < times; ++i) commands.CommandVinc_Click();
}

}  // namespace fakes
