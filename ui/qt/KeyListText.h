// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace ui {

// The desktop's keys and each demonstration's colours, as a rich-text table
// in the user's language.
QString KeyListHtml();

}  // namespace ui
