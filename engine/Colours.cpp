// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Colours.h"

#include <cstddef>

namespace engine {

using platform::PaletteColor;
using platform::RGB;

std::optional<Palette> PaletteNamed(std::string_view word) {
  if (word == "projector") return Palette::Projector;
  if (word == "usual") return Palette::Usual;
  return std::nullopt;
}

platform::Text ColourName(Palette palette, LegendColour colour, bool passingBody) {
  static constexpr platform::Text kUsual[] = {
      TR_TEXT("Keys", "Black"), TR_TEXT("Keys", "Light red"), TR_TEXT("Keys", "Light yellow"),
      TR_TEXT("Keys", "White")};
  static constexpr platform::Text kProjector[] = {
      TR_TEXT("Keys", "Black"), TR_TEXT("Keys", "Dark red"), TR_TEXT("Keys", "Dark blue"),
      TR_TEXT("Keys", "Grey")};
  const auto index = static_cast<std::size_t>(colour);
  if (palette == Palette::Usual) return kUsual[index];
  if (colour == LegendColour::White && passingBody) return kProjector[0];
  return kProjector[index];
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
