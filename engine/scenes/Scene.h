// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "engine/Views.h"
#include "platform/Language.h"

namespace engine {

// The two steps each demonstration gives the run loop.
struct SceneSteps {
  platform::Text listName;  // its line in the list of demonstrations
  platform::Text title;     // the track window's title while it runs
  // The track window's width to its height while this demonstration runs.
  double widthFactor;
  // Once per run: sizes the track window by the width factor, places readouts.
  void (*layout)(RunContext&, double widthFactor);
  void (*frame)(RunContext&);  // every frame: erases the last picture, draws the new one
  // On a resize: the title and the readout row placed in the window as it now is.
  void (*placeReadouts)(RunContext&);
  bool drawsBody = false;      // the true train drawn as the passing body's edges
};

// The scene of a demonstration type, or nullptr for a type there is none of.
const SceneSteps* SceneFor(double simtype);

// Every demonstration, in the order of its number (1, 2, 3).
std::span<const SceneSteps> Scenes();

// The demonstration the track picture shows: the last run's, or the one
// chosen before any run.
int ShownDemonstration(const Module1& m);

}  // namespace engine
