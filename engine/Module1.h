// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "engine/Colours.h"
#include "engine/scenes/Demonstration.h"
#include "platform/Colour.h"

namespace engine {

// The numbers the readouts show, as last written: what describes the
// picture in words reads them here, never back from the boxes.
struct ShownReadouts {
  double speed = 0;         // v
  double lengthObs = 1000;  // Length obs
  double seenSpeed = 0;     // v obs
  double properTime = 0;    // Proper Time
  double localTime = 0;     // Local Time
};

// Where the run cycle stands: the caption of "Start" shows it.
enum class RunMode { Idle, Choosing, Running };

// The simulation variables shared by the run loop, the kinematics, the
// scenes and the control window's handlers. One instance lives for the life
// of the program; everything starts at zero.
struct Module1 {
  std::int16_t stopflag = 0;  // 1 ends the run at the next end of frame
  double v = 0;               // train speed
  float vold = 0;             // speed before the latest speed change
  float vstop = 0;            // speed when "v = 0" was pressed
  std::int16_t vstopped = 0;  // 1 after "v = 0", until "v >" or "v <"
  double freeze = 0;          // 1.0 while the picture is frozen
  platform::Rgb bgcolor = 0;  // background and erase colour
  double simtype = 0;         // the running demonstration's number in the table
  double cc = 0;              // limiting speed
  double rtrack = 0;          // track radius, track units
  double fract = 0;           // twips per track unit
  double tracklen = 0;        // lap length, track units
  std::int32_t nframes = 0;   // frames run with v > 0
  double ptime = 0;           // proper time of the train
  double contract = 0;        // length-contraction factor

  // The control window's choices, held as values: its captions show them in
  // the user's language and never decide what a click does.
  RunMode mode = RunMode::Idle;
  int chosenType = 1;        // the demonstration chosen in the list, from 1
  bool contraction = false;  // the length-contraction switch

  ShownReadouts shown;

  // The demonstrations the program offers, numbered from 1.
  std::span<const Demonstration> demonstrations = Demonstrations();

  // The teaching aids, off until asked for.
  bool slowMotion = false;                      // frames 0.4 s apart instead of 0.1 s
  bool startFrozen = false;                     // every run frozen on its first frame
  bool spacetime = false;                       // the spacetime diagram beside the track
  Palette palette = Palette::Usual;             // asked for; in effect from the next set-up
  Colours colours = ColoursOf(Palette::Usual);  // in effect; bgcolor is their background
};

// Puts a palette in effect: its colours, and its background as bgcolor.
void UsePalette(Module1& m, Palette palette);
// The palette whose colours are in effect (the one asked for may wait for
// the next run).
Palette PaletteInEffect(const Module1& m);

void SetDefaults(Module1& m);
void SetDerivedDefaults(Module1& m);

}  // namespace engine
