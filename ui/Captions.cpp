// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Captions.h"

#include "engine/scenes/Demonstration.h"

namespace ui {

std::string DemonstrationList(std::span<const engine::Demonstration> demonstrations,
                              const platform::Language& language) {
  std::string list;
  int number = 1;
  for (const engine::Demonstration& demonstration : demonstrations) {
    list += std::to_string(number++) + " = " + language.localized(demonstration.listName) + "\r\n";
  }
  return list;
}

}  // namespace ui
