// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Views.h"

namespace engine {

// The markers the round and the long track share. The previous seen front
// goes under three background rings; the previous seen rear is painted white
// instead, so that it leaves a dotted trail.
void EraseSeenFrontLeaveTrail(const RunContext& c);

// The seen front and rear of the train, as light-red dots.
void DrawSeenEnds(const RunContext& c);

}  // namespace engine
