// SPDX-License-Identifier: GPL-3.0-or-later
// What a page's script reads of the program, as JSON.
#include <string_view>

#include "platform/NumberText.h"
#include "ui/Picture.h"
#include "ui/ProgramCore.h"

namespace ui {
namespace {

// A text as a JSON string; control characters become blanks.
std::string quoted(std::string_view text) {
  std::string json = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      json += ' ';
    } else {
      json += c;
    }
  }
  return json + '"';
}

const char* truth(bool value) {
  return value ? "true" : "false";
}

}  // namespace

std::string ProgramCore::pictureTextsJson() const {
  std::string json = "{";
  for (const PictureText& text : PictureTexts(module_, runLoop_.frameOfRun(), language_)) {
    if (json.size() > 1) json += ',';
    json += quoted(text.key) + ':' + quoted(text.value);
  }
  return json + '}';
}

std::string ProgramCore::stateJson() const {
  static constexpr const char* kModes[] = {"idle", "choosing", "running"};
  const engine::Module1& m = module_;
  // The panel is fitted to the demonstration that runs, or is about to.
  const engine::Demonstration* fitted =
      engine::DemonstrationOf(m, m.mode == engine::RunMode::Running ? m.simtype : m.chosenType);
  return std::string("{\"mode\":\"") + kModes[static_cast<int>(m.mode)] +
         "\",\"demo\":" + std::to_string(m.chosenType) +
         ",\"shown\":" + std::to_string(engine::ShownDemonstration(m)) +
         ",\"widthFactor\":" + platform::PlainNumberText(fitted ? fitted->widthFactor : 1) +
         ",\"v\":" + platform::PlainNumberText(m.v) + ",\"contraction\":" + truth(m.contraction) +
         ",\"frozen\":" + truth(m.freeze == 1.0) + ",\"slowMotion\":" + truth(m.slowMotion) +
         ",\"projector\":" + truth(m.palette == engine::Palette::Projector) +
         ",\"spacetime\":" + truth(m.spacetime) +
         ",\"frames\":" + std::to_string(runLoop_.framesDrawn()) +
         ",\"frameOfRun\":" + std::to_string(runLoop_.frameOfRun()) +
         ",\"sizedByLink\":" + truth(sizedByLink_) + ",\"ended\":" + truth(program_.ended()) +
         ",\"link\":" + quoted(LinkQuery(m)) + ",\"picture\":" + quoted(PictureName(m)) +
         ",\"pictureTexts\":" + pictureTextsJson() + '}';
}

std::string ProgramCore::keyListJson() const {
  std::string json = "{\"keys\":[";
  for (const KeyHelp& key : KeyList()) {
    if (!key.onPage) continue;
    if (json.back() != '[') json += ',';
    json += "{\"keys\":[" + quoted(key.keys[0]) + ',' + quoted(key.keys[1]) +
            "],\"shown\":" + quoted(language_.localized(key.shown)) +
            ",\"does\":" + quoted(language_.localized(key.does)) +
            ",\"menu\":" + quoted(language_.localized(key.menu)) +
            ",\"action\":" + quoted(ActionName(key.action)) +
            ",\"switch\":" + truth(IsSwitch(key.action)) + '}';
  }
  json += "],\"colours\":[";
  for (const platform::Text& colour : LegendColours()) {
    json += quoted(language_.localized(colour)) + ',';
  }
  json.back() = ']';
  json += ",\"legends\":[";
  for (const engine::Demonstration& demonstration : module_.demonstrations) {
    if (json.back() != '[') json += ',';
    json += '[' + quoted(language_.localized(demonstration.listName));
    for (const platform::Text& meaning : demonstration.legend) {
      json += ',' + quoted(language_.localized(meaning));
    }
    json += ']';
  }
  return json + "],\"projector\":" + quoted(language_.localized(ProjectorLegend())) + '}';
}

}  // namespace ui
