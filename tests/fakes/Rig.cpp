// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fakes/Rig.h"

namespace fakes {

Rig::Rig(std::span<const engine::Demonstration> demonstrations, const ui::StartChoices& choices)
    : form1Window(ui::ControlWindowLayoutFor(demonstrations.size())),
      form2Window(ui::TrackWindowLayout()),
      spacetimeWindow(ui::SpacetimeWindowLayout()),
      core({form1Window, form2Window, spacetimeWindow, time, time, program, language, settings,
            shell},
           demonstrations),
      m(core.simulation()),
      runLoop(core.runLoop()),
      commands(core.commands()),
      form1(core.form1()),
      form2(core.form2()) {
  core.start(choices);
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

void SpeedsAndStops(Rig& rig, const std::function<void(int count)>& frames,
                    const std::function<void()>& stopped) {
  rig.clickVinc(12);
  frames(30);
  rig.commands.TControl_Click();
  rig.clickVinc(17);
  frames(30);
  rig.commands.CommandVzero_Click();
  frames(30);
  stopped();
  for (int i = 0; i < 20; ++i) rig.commands.CommandVdec_Click();
  frames(30);
}

}  // namespace fakes
