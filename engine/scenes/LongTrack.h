// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Views.h"

namespace engine {

// Widens the track window to factor times its height and spreads the title
// and the readout row across it; the long track and the Terrell rotation
// share it.
void WideWindowLayout(RunContext& c, double widthFactor);

void LongTrackLayout(RunContext& c, double widthFactor);
void LongTrackFrame(RunContext& c);

// The pieces of the true train on the straights and half circles.
void LongTrackTrainPieces(const Module1& m, RunState& run);

}  // namespace engine
