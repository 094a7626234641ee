// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/scenes/Demonstration.h"

#include <cmath>

#include "engine/Kinematics.h"
#include "engine/Module1.h"
#include "engine/TrackGeometry.h"
#include "engine/scenes/LongTrack.h"
#include "engine/scenes/ReadoutRow.h"
#include "engine/scenes/RoundTrack.h"
#include "engine/scenes/Terrell.h"

namespace engine {
namespace {

// Both tracks draw a train the same way.
constexpr std::array<platform::Text, 4> kTrainLegend = {
    TR_TEXT("Keys", "the train where it truly is"),
    TR_TEXT("Keys", "where the observer sees its front and rear"),
    TR_TEXT("Keys", "the directions in which the observer sees the train"),
    TR_TEXT("Keys", "the trail of the seen rear")};

const Demonstration kDemonstrations[] = {
    {TR_TEXT("Demonstrations", "Round Track"),
     TR_TEXT("Demonstrations", "Train on round track Demonstration"), RoundTrackPoint, WrapOnLap,
     1000, 10, 1.0, RoundTrackLayout, RoundTrackFrame, PlaceCentredRow, false, kTrainLegend},
    {TR_TEXT("Demonstrations", "Horse Racing Track"),
     TR_TEXT("Demonstrations", "Train on long track Demonstration"), LongTrackPoint, WrapOnLap,
     1000, 10, 1.4, LongTrackLayout, LongTrackFrame, PlaceSpreadRow, false, kTrainLegend},
    {TR_TEXT("Demonstrations", "Terrell rotation"),
     TR_TEXT("Demonstrations", "Terrell rotation ?"),
     StraightLinePoint,
     TerrellWrap,
     2000,
     5,
     1.6,
     TerrellLayout,
     TerrellFrame,
     PlaceSpreadRow,
     true,
     {{TR_TEXT("Keys", "the observer's dot"),
       TR_TEXT("Keys", "where the observer sees the ends of each edge"),
       TR_TEXT("Keys", "the directions in which the observer sees each edge"),
       TR_TEXT("Keys", "the two edges of the body where they truly are")}}},
};

}  // namespace

std::span<const Demonstration> Demonstrations() {
  return kDemonstrations;
}

const Demonstration* DemonstrationOf(const Module1& m, double number) {
  const auto count = static_cast<double>(m.demonstrations.size());
  if (!(number >= 1 && number <= count) || number != std::floor(number)) return nullptr;
  return &m.demonstrations[static_cast<std::size_t>(number) - 1];
}

int ShownDemonstration(const Module1& m) {
  return DemonstrationOf(m, m.simtype) != nullptr ? static_cast<int>(m.simtype) : m.chosenType;
}

}  // namespace engine
