// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace ui {

// What a screen reader calls a control and the one sentence its tooltip
// says. Buttons need no entry: their accessible name is their caption.
struct ControlHelp {
  std::string_view control;
  std::string_view accessibleName;  // empty: keep the toolkit's
  std::string_view tip;
  // The name is followed by the control's text, kept current: a label that
  // shows a value has no other way onto the accessibility bus.
  bool nameCarriesText = false;
};

std::span<const ControlHelp> ControlWindowHelp();
std::span<const ControlHelp> TrackWindowHelp();

// Gives each control of a window its names and tip. A window's controls,
// whatever the toolkit, answer nameWithText, setAccessibleName and setTip.
template <typename Window>
void ApplyHelp(Window& window, std::span<const ControlHelp> help) {
  for (const ControlHelp& entry : help) {
    auto& control = window.control(entry.control);
    if (entry.nameCarriesText) {
      control.nameWithText(std::string(entry.accessibleName));
    } else if (!entry.accessibleName.empty()) {
      control.setAccessibleName(std::string(entry.accessibleName));
    }
    control.setTip(std::string(entry.tip));
  }
}

}  // namespace ui
