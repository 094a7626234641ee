// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include "platform/Language.h"

namespace platform {

// The language of the translators installed on the application: Qt's own
// catalogue lookup, so what Qt shows (dialogs, menus) speaks it too.
class QtLanguage final : public Language {
 private:
  std::string translated(const Text& text) const override;
};

// A text with a context as the installed translators give it, for Qt's own
// widgets (menus, rich text).
QString Translated(const Text& text);

}  // namespace platform
