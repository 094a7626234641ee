// SPDX-License-Identifier: GPL-3.0-or-later
#include <cmath>

#include "ui/Captions.h"
#include "ui/Commands.h"

namespace ui {

void Commands::CommandVinc_Click() {
  m_.vold = static_cast<float>(m_.v);
  if (m_.v < 1) m_.v = 0;
  if (m_.contraction && m_.v >= m_.cc - 1) {
    // Near c each press halves the remaining gap, so v never reaches c.
    m_.v = m_.v + (m_.cc - m_.v) * 0.5;
  } else {
    m_.v = m_.v + 1;
    if (m_.v > m_.cc) m_.v = m_.cc;
  }
  m_.vstopped = 0;
  form1_.CommandVdec.setVisible(true);
  form1_.CommandVzero.setVisible(true);
  form1_.CommandFreeze.setVisible(true);
  runLoop_.onControlsChanged();
}

// The mirror of "v >": bounded at -c, and with contraction on each press
// near -c halves what is left, so a contracted train never reaches -c.
void Commands::CommandVdec_Click() {
  m_.vold = static_cast<float>(m_.v);
  if (m_.contraction && m_.v <= -(m_.cc - 1)) {
    m_.v = m_.v + (-m_.cc - m_.v) * 0.5;
  } else {
    m_.v = std::floor(m_.v) - 1;
    if (m_.v < -m_.cc) m_.v = -m_.cc;
  }
  m_.vstopped = 0;
  runLoop_.onControlsChanged();
}

void Commands::CommandVzero_Click() {
  m_.vstopped = 1;
  m_.vstop = static_cast<float>(m_.v);
  m_.v = 0;
  m_.vold = 0;
  runLoop_.onControlsChanged();
}

void Commands::CommandFreeze_Click() {
  m_.freeze = m_.freeze == 1.0 ? 0.0 : 1.0;
  form1_.CommandFreeze.setText(language_.localized(FreezeCaption(m_.freeze == 1.0)));
  runLoop_.onControlsChanged();
}

void Commands::TControl_Click() {
  m_.contraction = !m_.contraction;
  form1_.TControl.setText(language_.localized(ContractionCaption(m_.contraction)));
}

}  // namespace ui
