// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Language.h"

#include "platform/NumberText.h"

namespace platform {

std::string Language::number(double value) const {
  std::string text = PlainNumberText(value);
  const std::string::size_type point = text.find('.');
  if (point == std::string::npos) return text;
  //: The decimal sign of the readouts, as "13.59" is written in this language.
  return text.replace(point, 1, localized(TR_TEXT("Numbers", ".")));
}

}  // namespace platform
