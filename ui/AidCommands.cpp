// SPDX-License-Identifier: GPL-3.0-or-later
#include <utility>
#include <vector>

#include "engine/scenes/Demonstration.h"
#include "ui/Commands.h"

namespace ui {
namespace {

// What each colour of a kept picture becomes in another palette. The true
// train and the body share a colour in one palette and not in the other, so
// only the roles the last demonstration drew are mapped.
std::vector<std::pair<platform::Rgb, platform::Rgb>> colourChanges(const engine::Colours& from,
                                                                   const engine::Colours& to,
                                                                   const engine::Module1& m) {
  const engine::Demonstration* shown = engine::DemonstrationOf(m, m.simtype);
  const bool passingBody = shown != nullptr && shown->drawsBody;
  std::vector<std::pair<platform::Rgb, platform::Rgb>> changes = {{from.background, to.background},
                                                                  {from.seenEnd, to.seenEnd},
                                                                  {from.direction, to.direction},
                                                                  {from.observer, to.observer}};
  if (passingBody) {
    changes.emplace_back(from.body, to.body);
  } else {
    changes.emplace_back(from.train, to.train);
    changes.emplace_back(from.trail, to.trail);
  }
  return changes;
}

}  // namespace

void Commands::StepFrame() {
  runLoop_.StepFrame();
}

void Commands::SlowMotion() {
  m_.slowMotion = !m_.slowMotion;
}

// A run keeps its colours to its end, so no frame mixes two palettes.
void Commands::SwitchPalette() {
  m_.palette =
      m_.palette == engine::Palette::Usual ? engine::Palette::Projector : engine::Palette::Usual;
  if (m_.mode != engine::RunMode::Running) applyPalette();
}

// Puts the palette asked for in effect: both windows, their labels, and the
// picture kept from the last run, recoloured rather than lost.
void Commands::applyPalette() {
  const engine::Colours wanted = engine::ColoursOf(m_.palette);
  if (wanted == m_.colours) return;
  const auto changes = colourChanges(m_.colours, wanted, m_);
  engine::UsePalette(m_, m_.palette);
  form2_.window.surface().recolour(changes);
  paintControlWindow();
  paintTrackWindowControls();
}

}  // namespace ui
