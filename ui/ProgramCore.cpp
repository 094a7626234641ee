// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ProgramCore.h"

#include "ui/ControlHelp.h"

namespace ui {
namespace {

ControlLookup lookupIn(platform::Form& form) {
  return [&form](std::string_view name) -> platform::Control& { return form.control(name); };
}

}  // namespace

ProgramCore::ProgramCore(const ProgramParts& parts,
                         std::span<const engine::Demonstration> demonstrations)
    : controlWindow_(parts.controlWindow),
      trackWindow_(parts.trackWindow),
      program_(parts.program),
      language_(parts.language),
      settings_(parts.settings),
      shell_(parts.shell),
      form1_(Form1::Bind(controlWindow_.window(), lookupIn(controlWindow_))),
      form2_(Form2::Bind(trackWindow_.window(), lookupIn(trackWindow_))),
      runLoop_(module_, form1_.panelView(), form2_.displayView(), parts.scheduler, parts.clock,
               parts.program, parts.language),
      commands_(module_, form1_, form2_, runLoop_, parts.program, parts.language) {
  module_.demonstrations = demonstrations;
}

void ProgramCore::start(const StartChoices& choices) {
  connectHandlers();
  ApplyHelp(controlWindow_, ControlWindowHelp(), language_);
  ApplyHelp(trackWindow_, TrackWindowHelp(), language_);
  takeRememberedChoices();
  // A palette asked for holds for this start alone.
  if (choices.palette && *choices.palette != module_.palette) commands_.SwitchPalette();
  commands_.Form1_Load();
  controlWindow_.window().setVisible(true);
  commands_.Form_Resize();  // as when a window is first shown
  PrepareRun(choices.link, commands_, module_, trackWindow_.window());
  sizedByLink_ = choices.link.demo && choices.link.height;
}

void ProgramCore::connectHandlers() {
  Commands& c = commands_;
  for (const ClickHandler& click : Commands::ClickHandlers()) {
    controlWindow_.onClick(click.control, [&c, handler = click.handler] { (c.*handler)(); });
  }
  controlWindow_.onResize([&c] { c.Form_Resize(); });
  // Closing the control window ends the program, as "Cancel" does; the
  // track window hides, and "Start" or "Select" shows it again.
  controlWindow_.onClose([&c] { c.CommandCancel_Click(); });
  trackWindow_.onResize([&c] { c.Form2_Resize(); });
  trackWindow_.onClose([&c] { c.Form2_Close(); });
}

void ProgramCore::takeRememberedChoices() {
  if ((settings_.value("slowMotion") == "true") != module_.slowMotion) commands_.SlowMotion();
  if ((settings_.value("projector") == "true") != (module_.palette == engine::Palette::Projector)) {
    commands_.SwitchPalette();
  }
}

void ProgramCore::remember(const char* key, bool on) {
  settings_.setValue(key, on ? "true" : "false");
}

void ProgramCore::RunAid(KeyAction action) {
  if (program_.ended()) return;
  switch (action) {
    case KeyAction::Step:
      commands_.StepFrame();
      return;
    case KeyAction::SlowMotion:
      commands_.SlowMotion();
      remember("slowMotion", module_.slowMotion);
      return;
    case KeyAction::Palette:
      commands_.SwitchPalette();
      remember("projector", module_.palette == engine::Palette::Projector);
      return;
    default:
      shell_.perform(action);
      return;
  }
}

bool ProgramCore::AidIsOn(KeyAction action) const {
  if (action == KeyAction::SlowMotion) return module_.slowMotion;
  if (action == KeyAction::Palette) return module_.palette == engine::Palette::Projector;
  return false;
}

}  // namespace ui
