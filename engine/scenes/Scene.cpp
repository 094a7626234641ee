// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/scenes/Scene.h"

#include "engine/scenes/LongTrack.h"
#include "engine/scenes/RoundTrack.h"
#include "engine/scenes/Terrell.h"

namespace engine {

const SceneSteps* SceneFor(double simtype) {
  static const SceneSteps kScenes[] = {
      {"Train on round track Demonstration", RoundTrackLayout, RoundTrackFrame},
      {"Train on long track Demonstration", LongTrackLayout, LongTrackFrame},
      {"Terrell rotation ?", TerrellLayout, TerrellFrame},
  };
  if (simtype == 1) return &kScenes[0];
  if (simtype == 2) return &kScenes[1];
  if (simtype == 3) return &kScenes[2];
  return nullptr;
}

}  // namespace engine
