// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Views.h"

namespace engine {

void RoundTrackLayout(RunContext& c, double widthFactor);
void RoundTrackFrame(RunContext& c);

// The arc pieces of the true train on the circle (part of every frame).
void RoundTrackTrainArcs(const Module1& m, RunState& run);

}  // namespace engine
