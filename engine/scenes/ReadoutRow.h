// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Views.h"

namespace engine {

// The widths of the six controls of the readout row, added: the row's
// width before its gaps.
double ReadoutWidths(const TrackDisplayView& f2);

// The narrowest client area that holds the title and either row with its gaps.
float ReadoutRowLeastWidth(const TrackDisplayView& f2);

// The round track's row: centred as one block with its two gaps, which the
// layout adds to rowwidth.
void PlaceCentredRow(RunContext& c);

// The wide windows' row: spread across the client area, the observed length
// at its left, the proper time 50 twips short of its right edge, the
// observed speed between.
void PlaceSpreadRow(RunContext& c);

}  // namespace engine
