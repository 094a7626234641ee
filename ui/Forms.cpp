// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Forms.h"

namespace ui {

Form1 Form1::Bind(platform::Window& window, const ControlLookup& control) {
  return {window,
          control("CommandStart"),
          control("CommandCancel"),
          control("CommandVinc"),
          control("CommandVdec"),
          control("CommandVzero"),
          control("Lv"),
          control("Tv"),
          control("Lcc"),
          control("Text7"),
          control("Text5"),
          control("TTime"),
          control("LTime"),
          control("LControl"),
          control("TControl"),
          control("LType"),
          control("Tcc"),
          control("CommandFreeze"),
          control("CommandSimulation"),
          control("TAnnounce")};
}

engine::ControlPanelView Form1::panelView() const {
  return {window, Tv, Tcc, TTime};
}

Form2 Form2::Bind(platform::Window& window, const ControlLookup& control) {
  return {window,
          control("Text5"),
          control("Tlength_obs"),
          control("Llength_obs"),
          control("Tv_obs"),
          control("Lv_obs"),
          control("TLocalTime"),
          control("LLocalTime")};
}

engine::TrackDisplayView Form2::displayView() const {
  return {window, Text5, Tlength_obs, Llength_obs, Tv_obs, Lv_obs, TLocalTime, LLocalTime};
}

}  // namespace ui
