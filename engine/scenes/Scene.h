// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Views.h"

namespace engine {

// The two steps each demonstration gives the run loop.
struct SceneSteps {
  const char* title;
  void (*layout)(RunContext&);  // once per run: sizes the track window, places readouts
  void (*frame)(RunContext&);   // every frame: erases the last picture, draws the new one
};

// The scene of a demonstration type, or nullptr for a type there is none of.
const SceneSteps* SceneFor(double simtype);

}  // namespace engine
