// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "platform/Colour.h"
#include "platform/Language.h"

namespace engine {

// The usual colours, or high-contrast ones for a washed-out projector.
enum class Palette { Usual, Projector };

// What each colour of the picture and the readouts shows.
struct Colours {
  platform::Rgb background;  // of both windows and their labels; every erase draws in it
  platform::Rgb train;       // the true train
  platform::Rgb seenEnd;     // the seen front and rear
  platform::Rgb direction;   // the arcs of the directions the observer sees
  platform::Rgb trail;       // the dotted trail of the seen rear
  platform::Rgb body;        // the true edges of the passing body (Terrell rotation)
  platform::Rgb observer;    // the observer's dot
  platform::Rgb seenSpeed;   // the text of the observed speed and its label

  bool operator==(const Colours&) const = default;
};

Colours ColoursOf(Palette palette);

// The four colours a demonstration's legend explains, as the usual palette
// draws them.
enum class LegendColour { Black, LightRed, LightYellow, White };

// What a palette's colour for one of them is called: the projector palette
// draws light red dark red, light yellow dark blue, and white grey (the
// trail) or black (the passing body).
platform::Text ColourName(Palette palette, LegendColour colour, bool passingBody = false);

// The palette a word names, as links and the command line write it:
// "projector" or "usual".
std::optional<Palette> PaletteNamed(std::string_view word);

}  // namespace engine
