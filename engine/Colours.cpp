// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Colours.h"

namespace engine {

using platform::PaletteColor;
using platform::RGB;

std::optional<Palette> PaletteNamed(std::string_view word) {
  if (word == "projector") return Palette::Projector;
  if (word == "usual") return Palette::Usual;
  return std::nullopt;
}

Colours ColoursOf(Palette palette) {
  if (palette == Palette::Projector) {
    // White ground; every drawn colour at least 3:1 against it, the text 4.5:1.
    return {RGB(255, 255, 255), RGB(0, 0, 0), RGB(170, 0, 0),    RGB(0, 0, 160),
            RGB(128, 128, 128), RGB(0, 0, 0), platform::Rgb{15}, RGB(170, 0, 0)};
  }
  // The demonstration's own: palette indices 0, 12, 14, 15, and the colour
  // value 15 (not index 15) for the observer.
  return {RGB(192, 192, 192), PaletteColor(0),  PaletteColor(12),  PaletteColor(14),
          PaletteColor(15),   PaletteColor(15), platform::Rgb{15}, RGB(255, 0, 0)};
}

}  // namespace engine
