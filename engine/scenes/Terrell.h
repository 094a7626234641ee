// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Views.h"

namespace engine {

void TerrellLayout(RunContext& c, double widthFactor);
void TerrellFrame(RunContext& c);
void TerrellWrap(RunContext& c);

}  // namespace engine
