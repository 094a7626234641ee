// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ui {

// The code of the language the texts are written in.
inline constexpr std::string_view kSourceLanguage = "en";

// The first of the user's languages, most wanted first, that the program
// speaks: the code of one of its catalogues ("de", "pt_BR"), or English when
// none fits. Codes may come as a
// system or a browser gives them: "de-DE", "pt_BR.UTF-8", "zh-Hans-CN".
// A region the program has no catalogue for takes its language's catalogue
// ("de-AT" takes "de"), but traditional Chinese never takes simplified.
std::string ChooseLanguage(std::span<const std::string> preferred,
                           std::span<const std::string_view> catalogues);

}  // namespace ui
