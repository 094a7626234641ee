// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/scenes/ReadoutRow.h"

#include <algorithm>

namespace engine {
namespace {

constexpr float kGap = 50;  // twips between the pairs of the row

// The title centred on the window, the row 820 twips above its bottom edge.
void placeTitleAndRowTop(TrackDisplayView& f2) {
  platform::Window& window = f2.window;
  f2.Text5.setLeft((window.width() - f2.Text5.width()) / 2);
  f2.Lv_obs.setTop(window.height() - kRowAboveBottom);
  for (platform::Control* readout :
       {&f2.Tv_obs, &f2.Llength_obs, &f2.Tlength_obs, &f2.LLocalTime, &f2.TLocalTime}) {
    readout->setTop(f2.Lv_obs.top());
  }
}

}  // namespace

double ReadoutWidths(const TrackDisplayView& f2) {
  return static_cast<double>(f2.Lv_obs.width()) + f2.LLocalTime.width() + f2.Llength_obs.width() +
         f2.Tlength_obs.width() + f2.Tv_obs.width() + f2.TLocalTime.width();
}

// The spread row needs its three gaps; the centred one only two.
float ReadoutRowLeastWidth(const TrackDisplayView& f2) {
  return std::max(static_cast<float>(ReadoutWidths(f2) + 3 * kGap), f2.Text5.width());
}

void PlaceCentredRow(RunContext& c) {
  TrackDisplayView& f2 = c.form2;
  const float width = f2.window.clientWidth();
  f2.Llength_obs.setLeft(static_cast<float>((width - c.run.rowwidth) / 2));
  f2.Tlength_obs.setLeft(f2.Llength_obs.left() + f2.Llength_obs.width());
  f2.Lv_obs.setLeft(f2.Tlength_obs.left() + f2.Tlength_obs.width() + kGap);
  f2.Tv_obs.setLeft(f2.Lv_obs.left() + f2.Lv_obs.width());
  f2.LLocalTime.setLeft(f2.Tv_obs.left() + f2.Tv_obs.width() + kGap);
  f2.TLocalTime.setLeft(f2.LLocalTime.left() + f2.LLocalTime.width());
  placeTitleAndRowTop(f2);
}

// The row is reckoned afresh from its controls' widths, so a window made
// narrower after the set-up spreads it over the narrower client area.
void PlaceSpreadRow(RunContext& c) {
  RunState& run = c.run;
  TrackDisplayView& f2 = c.form2;
  const float client = f2.window.clientWidth();
  run.rowwidth = ReadoutWidths(f2);
  if (static_cast<float>(run.rowwidth) < client) run.rowwidth = client;
  f2.Llength_obs.setLeft(static_cast<float>((client - run.rowwidth) / 2));
  f2.Tlength_obs.setLeft(f2.Llength_obs.left() + f2.Llength_obs.width());
  f2.TLocalTime.setLeft(static_cast<float>(run.rowwidth - f2.TLocalTime.width() - kGap));
  f2.LLocalTime.setLeft(f2.TLocalTime.left() - f2.LLocalTime.width() - kGap);
  run.midwidth = f2.Lv_obs.width() + f2.Tv_obs.width() + kGap;
  run.midgap = f2.LLocalTime.left() - (f2.Tlength_obs.left() + f2.Tlength_obs.width());
  f2.Lv_obs.setLeft(static_cast<float>(f2.Tlength_obs.left() + f2.Tlength_obs.width() +
                                       (run.midgap - run.midwidth) / 2));
  f2.Tv_obs.setLeft(f2.Lv_obs.left() + f2.Lv_obs.width());
  placeTitleAndRowTop(f2);
}

}  // namespace engine
