// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Language.h"

namespace platform {

// The language of the translators installed on the application: Qt's own
// catalogue lookup, so what Qt shows (dialogs, menus) speaks it too.
class QtLanguage final : public Language {
 public:
  std::string localized(const Text& text) const override;
};

}  // namespace platform
