// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "web/WebApp.h"

namespace web {

// Runs once the program is built. The page people get does nothing here; the
// test build of the page fits the frame recorder that its tests read.
void AfterStart(WebApp& app);

}  // namespace web
