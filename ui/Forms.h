// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string_view>

#include "engine/Views.h"
#include "platform/Control.h"

namespace ui {

using ControlLookup = std::function<platform::Control&(std::string_view name)>;

// The control window's controls, by the names its handlers use.
struct Form1 {
  platform::Window& window;
  platform::Control& CommandStart;
  platform::Control& CommandCancel;
  platform::Control& CommandVinc;
  platform::Control& CommandVdec;
  platform::Control& CommandVzero;
  platform::Control& Lv;
  platform::Control& Tv;
  platform::Control& Lcc;
  platform::Control& Text7;
  platform::Control& Text5;
  platform::Control& TTime;
  platform::Control& LTime;
  platform::Control& LControl;
  platform::Control& TControl;
  platform::Control& LType;
  platform::Control& Tcc;
  platform::Control& CommandFreeze;
  platform::Control& CommandSimulation;
  platform::Control& TAnnounce;

  static Form1 Bind(platform::Window& window, const ControlLookup& control);
  engine::ControlPanelView panelView() const;
};

// The track window's controls.
struct Form2 {
  platform::Window& window;
  platform::Control& Text5;
  platform::Control& Tlength_obs;
  platform::Control& Llength_obs;
  platform::Control& Tv_obs;
  platform::Control& Lv_obs;
  platform::Control& TLocalTime;
  platform::Control& LLocalTime;

  static Form2 Bind(platform::Window& window, const ControlLookup& control);
  engine::TrackDisplayView displayView() const;
};

}  // namespace ui
