// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Picture.h"

#include "engine/scenes/Demonstration.h"
#include "platform/NumberText.h"

namespace ui {

std::string PictureName(const engine::Module1& m) {
  return "relativity-train-" + std::to_string(engine::ShownDemonstration(m)) + "-v" +
         platform::PlainNumberText(m.v);
}

std::vector<PictureText> PictureTexts(const engine::Module1& m, std::int64_t frameOfRun,
                                      const platform::Language& language) {
  const int shown = engine::ShownDemonstration(m);
  const engine::Demonstration* demonstration = engine::DemonstrationOf(m, shown);
  return {{"Title",
           demonstration != nullptr ? language.localized(demonstration->listName) : std::string()},
          {"Software", "Relativity Train"},
          {"Demonstration", std::to_string(shown)},
          {"v", platform::PlainNumberText(m.v)},
          {"Contraction", m.contraction ? "on" : "off"},
          {"Frame", std::to_string(frameOfRun)}};
}

}  // namespace ui
