// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/Language.h"

namespace platform {

// The language of the catalogue the page loaded before the program started
// (web/glue.js keeps it); each text is looked up once, then kept here.
class WebLanguage final : public Language {
 private:
  std::string translated(const Text& text) const override;

  mutable std::map<std::pair<std::string, std::string>, std::string> found_;
};

}  // namespace platform
