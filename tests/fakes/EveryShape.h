// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "platform/Surface.h"

namespace fakes {

// Shapes of every kind the scenes draw, in twips, each in the colour that
// colour() makes of its own: to draw them, and again to erase them.
inline void DrawEveryShape(platform::Surface& s,
                           const std::function<platform::Rgb(platform::Rgb)>& colour) {
  using platform::PaletteColor;
  const float pi = 3.141592653589F;
  s.DrawCircle(3000, 2000, 15, colour(PaletteColor(12)));
  s.DrawCircle(1234.5F, 987.25F, 15, colour(PaletteColor(12)));
  s.DrawCircle(3000, 2000, 900, colour(PaletteColor(0)));
  s.DrawCircle(3000, 2000, 1200, colour(PaletteColor(0)), pi / 2, pi / 2 + 0.8333F);
  s.DrawCircle(3000, 2000, 1200, colour(PaletteColor(0)), 5.9F, 0.3F);  // through angle 0
  s.DrawCircle(3000, 2000, 600, colour(PaletteColor(14)), 0, 0);        // equal angles
  s.DrawCircle(3000, 2000, 600, colour(PaletteColor(14)), 1.0F, 1.001F);
  s.DrawCircle(3000, 2000, 600, colour(PaletteColor(14)), 0, 6.283185307178F);
  s.DrawLine(100, 800, 4100.7F, 800, colour(PaletteColor(15)));
  s.DrawLine(500.3F, 3300.9F, 2000.1F, 300.2F, colour(PaletteColor(0)));
  s.DrawLine(2000, 2000, 2000, 2000, colour(PaletteColor(15)));
  s.DrawPoint(3000, 2000, colour(15));
}

}  // namespace fakes
