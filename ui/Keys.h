// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

#include "platform/Language.h"

namespace ui {

// What a key does, when it is one of the teaching aids'.
enum class KeyAction {
  None,  // a key the controls answer themselves (Tab, Space on a switch)
  Step,
  SlowMotion,
  SavePicture,
  CopyPicture,
  Palette,
  KeyList,
  FullScreen,
  ZoomIn,
  ZoomOut,
  UsualSize,
  Describe,
  Spacetime,
};

// An aid's name across the bridge to the page's script ("step",
// "slowMotion", ...), and whether it is a switch that is on or off.
const char* ActionName(KeyAction action);
std::optional<KeyAction> ActionNamed(std::string_view name);
bool IsSwitch(KeyAction action);

// One line of the list of keys, on the desktop, the page or both.
struct KeyHelp {
  const char* keys[2];   // Qt's portable names ("Right", "Ctrl+S"); the second may be empty
  platform::Text shown;  // as the list writes them
  platform::Text does;
  platform::Text menu;  // its line in a menu of the aids; none for keys of the controls
  KeyAction action;
  bool onDesktop;
  bool onPage;
};

std::span<const KeyHelp> KeyList();

// The four colours of the usual palette that each demonstration's legend
// explains: black, light red, light yellow and white.
std::array<platform::Text, 4> LegendColours();

// How the projector palette shows the same four.
platform::Text ProjectorLegend();

}  // namespace ui
