// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Views.h"

namespace engine {

// The common step of every frame: clocks, contraction, motion, the seen
// ends of both trains through the light delay, and the observed readouts.
void FrameKinematics(RunContext& c);

// Brings the train back onto its lap after a frame's advance either way.
void WrapOnLap(RunContext& c);

}  // namespace engine
