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
    {.listName = TR_TEXT("Demonstrations", "Round Track"),
     .title = TR_TEXT("Demonstrations", "Train on round track Demonstration"),
     .observer = TR_TEXT("Description", "The observer stands at the centre of the circular track."),
     .trackPoint = RoundTrackPoint,
     .wrap = WrapOnLap,
     .stepDivisor = 1000,
     .creepDivisor = 10,
     .widthFactor = 1.0,
     .layout = RoundTrackLayout,
     .frame = RoundTrackFrame,
     .placeReadouts = PlaceCentredRow,
     .drawsBody = false,
     .legend = kTrainLegend},
    {.listName = TR_TEXT("Demonstrations", "Horse Racing Track"),
     .title = TR_TEXT("Demonstrations", "Train on long track Demonstration"),
     .observer = TR_TEXT("Description",
                         "The observer stands at the centre of the left half circle of the long "
                         "track."),
     .trackPoint = LongTrackPoint,
     .wrap = WrapOnLap,
     .stepDivisor = 1000,
     .creepDivisor = 10,
     .widthFactor = 1.4,
     .layout = LongTrackLayout,
     .frame = LongTrackFrame,
     .placeReadouts = PlaceSpreadRow,
     .drawsBody = false,
     .legend = kTrainLegend},
    {.listName = TR_TEXT("Demonstrations", "Terrell rotation"),
     .title = TR_TEXT("Demonstrations", "Terrell rotation ?"),
     .observer = TR_TEXT("Description",
                         "The observer stands below two straight lines, along which a body with "
                         "two long edges passes."),
     .trackPoint = StraightLinePoint,
     .wrap = TerrellWrap,
     .stepDivisor = 2000,
     .creepDivisor = 5,
     .widthFactor = 1.6,
     .layout = TerrellLayout,
     .frame = TerrellFrame,
     .placeReadouts = PlaceSpreadRow,
     .drawsBody = true,
     .legend = {TR_TEXT("Keys", "the observer's dot"),
                TR_TEXT("Keys", "where the observer sees the ends of each edge"),
                TR_TEXT("Keys", "the directions in which the observer sees each edge"),
                TR_TEXT("Keys", "the two edges of the body where they truly are")}},
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
