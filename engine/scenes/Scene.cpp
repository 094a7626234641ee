// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/scenes/Scene.h"

#include "engine/scenes/LongTrack.h"
#include "engine/scenes/ReadoutRow.h"
#include "engine/scenes/RoundTrack.h"
#include "engine/scenes/Terrell.h"

namespace engine {
namespace {

const SceneSteps kScenes[] = {
    {TR_TEXT("Demonstrations", "Round Track"),
     TR_TEXT("Demonstrations", "Train on round track Demonstration"), 1.0, RoundTrackLayout,
     RoundTrackFrame, PlaceCentredRow},
    {TR_TEXT("Demonstrations", "Horse Racing Track"),
     TR_TEXT("Demonstrations", "Train on long track Demonstration"), 1.4, LongTrackLayout,
     LongTrackFrame, PlaceSpreadRow},
    {TR_TEXT("Demonstrations", "Terrell rotation"), TR_TEXT("Demonstrations", "Terrell rotation ?"),
     1.6, TerrellLayout, TerrellFrame, PlaceSpreadRow, true},
};

}  // namespace

const SceneSteps* SceneFor(double simtype) {
  if (simtype == 1) return &kScenes[0];
  if (simtype == 2) return &kScenes[1];
  if (simtype == 3) return &kScenes[2];
  return nullptr;
}

std::span<const SceneSteps> Scenes() {
  return kScenes;
}

int ShownDemonstration(const Module1& m) {
  return SceneFor(m.simtype) != nullptr ? static_cast<int>(m.simtype) : m.chosenType;
}

}  // namespace engine
