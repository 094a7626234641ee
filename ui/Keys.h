// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

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
};

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

// The four colours of the usual palette that the legends explain: black,
// light red, light yellow and white.
std::span<const platform::Text, 4> LegendColours();

// What each of those colours means in one demonstration, in their order.
struct ColourLegend {
  platform::Text demonstration;
  platform::Text meanings[4];
};

std::span<const ColourLegend> ColourLegends();

// How the projector palette shows the same four.
platform::Text ProjectorLegend();

}  // namespace ui
