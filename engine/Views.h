// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Module1.h"
#include "engine/RunState.h"
#include "platform/Control.h"
#include "platform/Language.h"
#include "platform/Surface.h"

namespace engine {

// What the simulation reads and writes on the control window.
struct ControlPanelView {
  platform::Window& window;
  platform::Control& Tv;
  platform::Control& Tcc;
  platform::Control& TTime;
};

// How far above the track window's bottom edge the scene layouts put the
// readout row, in twips.
inline constexpr float kRowAboveBottom = 820;

// The track window's height as stored, in twips: the size the usual pens
// and marks are made for.
inline constexpr float kStoredTrackHeight = 3165;

// What the simulation reads and writes on the track window.
struct TrackDisplayView {
  platform::Window& window;
  platform::Control& Text5;
  platform::Control& Tlength_obs;
  platform::Control& Llength_obs;
  platform::Control& Tv_obs;
  platform::Control& Lv_obs;
  platform::Control& TLocalTime;
  platform::Control& LLocalTime;
};

// Everything one step of a run works on.
struct RunContext {
  Module1& m;
  RunState& run;
  ControlPanelView& form1;
  TrackDisplayView& form2;
  const platform::Language& language;  // titles and readouts are written in it

  platform::Surface& picture() const { return form2.window.surface(); }
};

}  // namespace engine
