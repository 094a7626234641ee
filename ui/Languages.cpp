// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Languages.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace ui {
namespace {

// A code split into its language and the parts after it, lower case, with
// any encoding (".UTF-8") or modifier ("@euro") dropped.
struct Code {
  std::string language;
  std::vector<std::string> parts;
};

Code parse(std::string_view text) {
  text = text.substr(0, text.find_first_of(".@"));
  Code code;
  std::string part;
  auto finish = [&] {
    if (code.language.empty()) {
      code.language = part;
    } else if (!part.empty()) {
      code.parts.push_back(part);
    }
    part.clear();
  };
  for (char c : text) {
    if (c == '-' || c == '_') {
      finish();
    } else {
      part.push_back(static_cast<char>(std::tolower(static_cast<unsigned char>(c))));
    }
  }
  finish();
  return code;
}

bool has(const Code& code, std::string_view part) {
  return std::find(code.parts.begin(), code.parts.end(), part) != code.parts.end();
}

// Traditional Chinese: its script, or a region that writes it.
bool traditionalChinese(const Code& code) {
  return code.language == "zh" &&
         (has(code, "hant") || has(code, "tw") || has(code, "hk") || has(code, "mo"));
}

// The catalogue of the wanted language and one of its regions ("zh_CN" for
// "zh-Hans-CN"), else one of the language alone ("de" for "de-AT").
std::string_view sameRegion(const Code& wanted, std::span<const std::string_view> catalogues) {
  std::string_view languageAlone;
  for (std::string_view catalogue : catalogues) {
    const Code offered = parse(catalogue);
    if (offered.language != wanted.language) continue;
    if (offered.parts.empty()) {
      languageAlone = catalogue;
    } else if (has(wanted, offered.parts.back())) {
      return catalogue;
    }
  }
  return languageAlone;
}

// Any catalogue of the wanted language, whatever its region ("pt_BR" for
// "pt-PT"); traditional Chinese never takes simplified.
std::string_view sameLanguage(const Code& wanted, std::span<const std::string_view> catalogues) {
  if (traditionalChinese(wanted)) return {};
  for (std::string_view catalogue : catalogues) {
    if (parse(catalogue).language == wanted.language) return catalogue;
  }
  return {};
}

}  // namespace

std::string ChooseLanguage(std::span<const std::string> preferred,
                           std::span<const std::string_view> catalogues) {
  for (const std::string& text : preferred) {
    const Code wanted = parse(text);
    if (wanted.language.empty()) continue;
    if (std::string_view found = sameRegion(wanted, catalogues); !found.empty()) {
      return std::string(found);
    }
    // English needs no catalogue: an English speaker never gets another one.
    if (wanted.language == kSourceLanguage) return std::string(kSourceLanguage);
    if (std::string_view found = sameLanguage(wanted, catalogues); !found.empty()) {
      return std::string(found);
    }
  }
  return std::string(kSourceLanguage);
}

}  // namespace ui
