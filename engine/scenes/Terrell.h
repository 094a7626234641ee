#pragma once

#include "engine/Views.h"

namespace engine {

void TerrellLayout(RunContext& c);
void TerrellFrame(RunContext& c);

}  // namespace engine
