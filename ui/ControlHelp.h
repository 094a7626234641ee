// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "platform/Form.h"
#include "platform/Language.h"

namespace ui {

// What a screen reader calls a control and the one sentence its tooltip
// says. Buttons need no name: their accessible name is their caption.
struct ControlHelp {
  std::string_view control;
  platform::Text accessibleName;  // no source text: keep the toolkit's
  platform::Text tip;
  // The name is followed by the control's text, kept current: a label that
  // shows a value has no other way onto the accessibility bus.
  bool nameCarriesText = false;
};

std::span<const ControlHelp> ControlWindowHelp();
std::span<const ControlHelp> TrackWindowHelp();

// What a screen reader calls a panel's close box, where the program draws
// one itself: "Close" and the window's caption.
std::string CloseBoxName(const std::string& caption, const platform::Language& language);

// Gives each control of a window its names and tip, in the user's language.
void ApplyHelp(platform::Form& window, std::span<const ControlHelp> help,
               const platform::Language& language);

}  // namespace ui
