// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/TestHooks.h"

namespace web {

void AfterStart(WebApp& /*app*/) {}

}  // namespace web
