// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Module1.h"
#include "platform/Control.h"
#include "ui/Commands.h"

namespace ui {

// A prepared demonstration, as a link's query names it:
//   demo=<a demonstration's number>, v=-30..30 (clicks of "v >", or of "v <" when negative),
//   contraction=on|off, height=<track panel, CSS pixels>, lang=<code>,
//   palette=projector|usual, spacetime=on|off.
struct Link {
  std::optional<int> demo;
  std::optional<int> speedClicks;
  std::optional<bool> contraction;
  std::optional<int> height;
  std::optional<std::string> language;
  std::optional<engine::Palette> palette;
  std::optional<bool> spacetime;
  // A line for each value left out: broken, hostile, repeated, or without demo.
  std::vector<std::string> ignored;
};

// Reads a query ("?demo=2&v=24") for a program of so many demonstrations;
// anything it cannot take is left out, and said why. Keys it does not know
// are no concern of it.
Link ParseLink(std::string_view query, std::size_t demonstrations);

// The query of a link to the run as it stands: demonstration, speed (in
// clicks), contraction, palette and the spacetime diagram.
std::string LinkQuery(const engine::Module1& m);

// The run's own steps, as a user would click them: Start, the demonstration,
// the track window's height, Select, the contraction switch, the speed.
void PrepareRun(const Link& link, Commands& commands, const engine::Module1& m,
                platform::Window& trackWindow);
// The same in two halves, so a shell can lay the track window out for the
// demonstration chosen before its run is selected: Start and the
// demonstration (false when the link names none), then the rest.
bool ChooseLinked(const Link& link, Commands& commands, const engine::Module1& m);
void SelectLinked(const Link& link, Commands& commands, const engine::Module1& m,
                  platform::Window& trackWindow);

// The track panel's height in CSS pixels, as twips of the window.
inline constexpr int kLowestPanel = 160, kHighestPanel = 4000;

}  // namespace ui
