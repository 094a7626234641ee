// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Module1.h"

namespace engine {

void SetDefaults(Module1& m) {
  m.cc = 30;
  SetDerivedDefaults(m);
}

// fract restarts at 1.0 every run, so the window factor never compounds.
void SetDerivedDefaults(Module1& m) {
  m.rtrack = 1200;
  m.fract = 1.0;
}

void UsePalette(Module1& m, Palette palette) {
  m.colours = ColoursOf(palette);
  m.bgcolor = m.colours.background;
}

Palette PaletteInEffect(const Module1& m) {
  return m.colours == ColoursOf(Palette::Projector) ? Palette::Projector : Palette::Usual;
}

}  // namespace engine
