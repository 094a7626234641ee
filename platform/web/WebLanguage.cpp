// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/WebLanguage.h"

#include <cstdlib>

#include "platform/web/WebBridge.h"

namespace platform {

std::string WebLanguage::translated(const Text& text) const {
  auto key = std::make_pair(std::string(text.context), std::string(text.source));
  auto known = found_.find(key);
  if (known != found_.end()) return known->second;
  char* translated = web_translate(text.context, text.source);
  std::string result = translated != nullptr ? translated : text.source;
  std::free(translated);
  return found_.emplace(std::move(key), std::move(result)).first->second;
}

}  // namespace platform
