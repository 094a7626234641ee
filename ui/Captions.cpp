// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Captions.h"

#include "engine/scenes/Scene.h"

namespace ui {

std::string DemonstrationList(const platform::Language& language) {
  std::string list;
  int number = 1;
  for (const engine::SceneSteps& scene : engine::Scenes()) {
    list += std::to_string(number++) + " = " + language.localized(scene.listName) + "\r\n";
  }
  return list;
}

}  // namespace ui
