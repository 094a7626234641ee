// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ProgramCore.h"

#include <cmath>
#include <utility>

#include "ui/ControlHelp.h"
#include "ui/Description.h"

namespace ui {
namespace {

ControlLookup lookupIn(platform::Form& form) {
  return [&form](std::string_view name) -> platform::Control& { return form.control(name); };
}

}  // namespace

engine::SpacetimeView SpacetimeViewOf(platform::Form& form) {
  const auto tick = [&form](const char* axis, int n) {
    return &form.control(std::string(axis) + std::to_string(n));
  };
  return {
      form.window(),
      form.control("LTimeAxis"),
      form.control("LPositionAxis"),
      {tick("LTickX", 0), tick("LTickX", 1), tick("LTickX", 2), tick("LTickX", 3),
       tick("LTickX", 4)},
      {tick("LTickT", 0), tick("LTickT", 1), tick("LTickT", 2), tick("LTickT", 3)},
      {&form.control("LLegendLines"), &form.control("LLegendCone"), &form.control("LLegendSeen")}};
}

ProgramCore::ProgramCore(const ProgramParts& parts,
                         std::span<const engine::Demonstration> demonstrations)
    : controlWindow_(parts.controlWindow),
      trackWindow_(parts.trackWindow),
      spacetimeWindow_(parts.spacetimeWindow),
      program_(parts.program),
      language_(parts.language),
      settings_(parts.settings),
      shell_(parts.shell),
      form1_(Form1::Bind(controlWindow_.window(), lookupIn(controlWindow_))),
      form2_(Form2::Bind(trackWindow_.window(), lookupIn(trackWindow_))),
      spacetime_(SpacetimeViewOf(spacetimeWindow_)),
      runLoop_(module_, form1_.panelView(), form2_.displayView(), parts.scheduler, parts.clock,
               parts.program, parts.language),
      commands_(module_, form1_, form2_, runLoop_, parts.program, parts.language),
      clock_(parts.clock),
      announcer_(parts.scheduler, parts.clock,
                 [this](const std::string& text) { announce(text); }) {
  module_.demonstrations = demonstrations;
  runLoop_.setFrameObserver([this] { frameDrawn(); });
}

void ProgramCore::start(const StartChoices& choices) {
  connectHandlers();
  ApplyHelp(controlWindow_, ControlWindowHelp(), language_);
  ApplyHelp(trackWindow_, TrackWindowHelp(), language_);
  takeRememberedChoices();
  // A palette asked for holds for this start alone.
  if (choices.palette && *choices.palette != module_.palette) commands_.SwitchPalette();
  module_.startFrozen = choices.reducedMotion;
  commands_.Form1_Load();
  controlWindow_.window().setVisible(true);
  commands_.Form_Resize();  // as when a window is first shown
  told_ = told();
  if (ChooseLinked(choices.link, commands_, module_)) {
    if (choices.layOutFirst && !choices.link.height) {
      linkWaiting_ = choices.link;
    } else {
      SelectLinked(choices.link, commands_, module_, trackWindow_.window());
    }
  }
  sizedByLink_ = choices.link.demo && choices.link.height;
  showSpacetime(choices.link.spacetime.value_or(settings_.value("spacetime") == "true"));
  tellChanges();
  describePicture();
}

void ProgramCore::selectLinkedRun() {
  if (!linkWaiting_) return;
  const Link link = *std::exchange(linkWaiting_, std::nullopt);
  if (program_.ended() || module_.mode != engine::RunMode::Choosing ||
      module_.chosenType != *link.demo) {
    return;
  }
  SelectLinked(link, commands_, module_, trackWindow_.window());
  tellChanges();
}

void ProgramCore::connectHandlers() {
  Commands& c = commands_;
  for (const ClickHandler& click : Commands::ClickHandlers()) {
    controlWindow_.onClick(click.control, [this, handler = click.handler] {
      (commands_.*handler)();
      tellChanges();
    });
  }
  controlWindow_.onResize([&c] { c.Form_Resize(); });
  // Closing the control window ends the program, as "Cancel" does; the
  // track window hides, and "Start" or "Select" shows it again.
  controlWindow_.onClose([&c] { c.CommandCancel_Click(); });
  trackWindow_.onResize([&c] { c.Form2_Resize(); });
  trackWindow_.onClose([this] {
    commands_.Form2_Close();
    tellChanges();
  });
  // Closing the diagram hides it, as switching it off does, and nothing else.
  spacetimeWindow_.onClose([this] {
    showSpacetime(false);
    remember("spacetime", false);
  });
  // A new size is drawn whole: the page's panel may have had its size before
  // its picture did, and a frame drawn between kept only what fitted.
  spacetimeWindow_.onResize([this] {
    spacetime_.forget();
    drawSpacetime();
  });
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
      describePicture();
      return;
    case KeyAction::Describe:
      announcer_.sayNow(description());
      return;
    case KeyAction::SlowMotion:
      commands_.SlowMotion();
      remember("slowMotion", module_.slowMotion);
      return;
    case KeyAction::Palette:
      commands_.SwitchPalette();
      remember("projector", module_.palette == engine::Palette::Projector);
      drawSpacetime();
      return;
    case KeyAction::Spacetime:
      showSpacetime(!module_.spacetime);
      remember("spacetime", module_.spacetime);
      return;
    default:
      shell_.perform(action);
      return;
  }
}

bool ProgramCore::AidIsOn(KeyAction action) const {
  if (action == KeyAction::SlowMotion) return module_.slowMotion;
  if (action == KeyAction::Palette) return module_.palette == engine::Palette::Projector;
  if (action == KeyAction::Spacetime) return module_.spacetime;
  return false;
}

ProgramCore::Told ProgramCore::told() const {
  return {module_.mode, module_.v, module_.contraction, module_.freeze == 1.0};
}

std::string ProgramCore::description() const {
  std::string text = Describe({module_, runLoop_.state()}, language_).whole();
  // With the diagram open, what it shows now, in a sentence.
  const engine::RunState& run = runLoop_.state();
  if (module_.spacetime && module_.mode == engine::RunMode::Running && module_.v != 0) {
    const std::vector<engine::Event> seen = engine::SeenEvents(module_, run);
    text += ' ' + Filled(language_.localized(TR_TEXT(
                             "Spacetime",
                             "In the diagram: the light reaching the observer now left the front "
                             "%1 time units ago, when it was %2 track units behind where it is "
                             "now.")),
                         {language_.number(std::floor(seen.front().ago * 10 + 0.5) / 10),
                          language_.number(std::floor(std::fabs(run.pos1 - run.pos1s) + 0.5))});
  }
  return text;
}

// One short announcement for each change a user made: a run begun or ended,
// contraction switched, frozen or going on, and a speed once the clicks
// have settled. Never one per frame.
void ProgramCore::tellChanges() {
  const Told now = told();
  const Told before = told_;
  told_ = now;
  const platform::Language& l = language_;
  const bool running = now.mode == engine::RunMode::Running;
  if (running && before.mode != engine::RunMode::Running) {
    const engine::Demonstration* shown = engine::DemonstrationOf(module_, module_.simtype);
    std::string text = Filled(l.localized(TR_TEXT("Description", "%1 runs.")),
                              {shown != nullptr ? l.localized(shown->listName) : std::string()});
    if (now.frozen) {
      text += ' ' + l.localized(TR_TEXT("Description",
                                        "Motion is reduced: the run starts frozen on its first "
                                        "frame. Un Freeze lets it go on."));
    }
    announcer_.announce(text);
    describePicture();
    return;
  }
  if (!running && before.mode == engine::RunMode::Running) {
    announcer_.announce(l.localized(TR_TEXT("Description", "The run has ended.")));
    describePicture();
    return;
  }
  if (!running) return;
  if (now.contraction != before.contraction) {
    announcer_.announce(now.contraction
                            ? l.localized(TR_TEXT("Description", "Length contraction on."))
                            : l.localized(TR_TEXT("Description", "Length contraction off.")));
  }
  if (now.frozen != before.frozen) {
    announcer_.announce(now.frozen ? l.localized(TR_TEXT("Description", "Frozen."))
                                   : l.localized(TR_TEXT("Description", "Running again.")));
  }
  if (now.v != before.v) {
    announcer_.announceSettled(Filled(l.localized(TR_TEXT("Description", "v = %1.")),
                                      {l.number(engine::SpeedAsShown(module_))}));
  }
  // Frozen, the text alternative follows every change at once.
  if (now.frozen || now.frozen != before.frozen) describePicture();
}

// The diagram shown or hidden; the shell places it beside the picture.
void ProgramCore::showSpacetime(bool shown) {
  module_.spacetime = shown;
  spacetimeWindow_.window().setVisible(shown);
  spacetime_.forget();
  drawSpacetime();
  shell_.perform(KeyAction::Spacetime);
}

// Drawn whenever the picture's frame is, and when it is opened or resized.
void ProgramCore::drawSpacetime() {
  if (!module_.spacetime) return;
  writeLegend(engine::PaletteInEffect(module_));
  const engine::SpacetimeView& view = spacetime_.view();
  if (engine::DemonstrationOf(module_, module_.simtype) == nullptr) {
    view.window.surface().setBackColor(module_.bgcolor);
    view.window.surface().ClearSurface();
    spacetime_.forget();
    return;
  }
  spacetime_.draw(module_, runLoop_.state(), language_);
}

// The legend names the colours in effect. The language is the program's
// for its whole run, so only a new palette rewrites it: on the page each
// translation is a call into the browser, and this runs each frame.
void ProgramCore::writeLegend(engine::Palette palette) {
  if (legendPalette_ == palette) return;
  legendPalette_ = palette;
  const platform::Text legend[] = {
      TR_TEXT("Spacetime", "%1: the ends' worldlines, dots where they are now"),
      TR_TEXT("Spacetime", "%1: the past light cone, the events seen now"),
      TR_TEXT("Spacetime", "%1: the ends as the observer sees them now")};
  const engine::LegendColour colours[] = {engine::LegendColour::Black,
                                          engine::LegendColour::LightYellow,
                                          engine::LegendColour::LightRed};
  const engine::SpacetimeView& view = spacetime_.view();
  for (std::size_t i = 0; i < view.legend.size(); ++i) {
    view.legend[i]->setText(Filled(language_.localized(legend[i]),
                                   {language_.localized(engine::ColourName(palette, colours[i]))}));
  }
}

// While the picture runs, its text alternative follows at most once a second.
void ProgramCore::frameDrawn() {
  drawSpacetime();
  if (clock_.SecondsTimer() - lastDescribed_ >= 1 || module_.freeze == 1.0) describePicture();
  if (frameObserver_) frameObserver_();
}

void ProgramCore::describePicture() {
  lastDescribed_ = clock_.SecondsTimer();
  shell_.describePicture(description());
}

void ProgramCore::announce(const std::string& text) {
  form1_.TAnnounce.setText(text);
  shell_.announce(text);
}

}  // namespace ui
