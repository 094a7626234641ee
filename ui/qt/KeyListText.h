// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <span>

#include "engine/scenes/Demonstration.h"

namespace ui {

// The desktop's keys and each demonstration's colours, as a rich-text table
// in the user's language.
QString KeyListHtml(std::span<const engine::Demonstration> demonstrations);

}  // namespace ui
