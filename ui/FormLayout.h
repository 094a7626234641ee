// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "platform/Colour.h"
#include "platform/Language.h"

namespace ui {

enum class ControlKind { Button, TextBox, MultiLineTextBox, Label };

// A control as the window stores it before its load handler runs.
struct StoredControl {
  std::string_view name;
  ControlKind kind;
  platform::Text text;             // a caption for the catalogues, or a placeholder
  float left, top, width, height;  // twips
  bool visible;
  bool centred = false;
  std::optional<platform::Rgb> foreColour = std::nullopt;
  std::optional<platform::Rgb> backColour = std::nullopt;
};

struct WindowLayout {
  platform::Text caption;
  float clientWidth, clientHeight;      // twips
  std::vector<StoredControl> controls;  // as stored; Tab follows their places on the screen
};

// The track window cannot be made lower than this, in twips: it keeps the
// drawing scale (height - 1000) / 3000 positive, and the far Terrell edge
// (1680 twips above an observer at mid-height + 500) inside.
inline constexpr float kTrackWindowMinHeight = 2400;

// The control window's outer height, set by its load: the stored 2520
// twips, and room for the line of announcements below its controls.
inline constexpr float kControlWindowHeight = 2520 + 300;

// The control window as stored, its list box as high as the program's
// demonstrations need, and the track window.
WindowLayout ControlWindowLayoutFor(std::size_t demonstrations);
const WindowLayout& ControlWindowLayout();
const WindowLayout& TrackWindowLayout();
const WindowLayout& SpacetimeWindowLayout();

}  // namespace ui
