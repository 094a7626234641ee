// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <span>

#include "platform/Language.h"

namespace engine {

struct Module1;
struct RunContext;

// Everything that makes one demonstration what it is, in one record: the
// rest of the program asks the table of them and counts nothing itself.
struct Demonstration {
  platform::Text listName;  // its line in the list of demonstrations
  platform::Text title;     // the track window's title while it runs
  platform::Text observer;  // where the observer stands, said in a sentence
  // The track: the point at distance s along it, for a train at distance r
  // from the observer; tracklen is the lap, where there is one.
  void (*trackPoint)(double s, double r, double tracklen, double& x, double& y);
  // After a frame's advance: the train back onto its lap, or the body back
  // to the window's far side.
  void (*wrap)(RunContext&);
  double stepDivisor;   // a frame advances 4 pi / stepDivisor per unit of speed and radius
  double creepDivisor;  // after "v = 0" each delay shrinks by the advance over this a frame
  double widthFactor;   // the track window's width to its height while it runs
  // Once per run: sizes the track window by the width factor, places readouts.
  void (*layout)(RunContext&, double widthFactor);
  void (*frame)(RunContext&);  // every frame: erases the last picture, draws the new one
  // On a resize: the title and the readout row placed in the window as it now is.
  void (*placeReadouts)(RunContext&);
  bool drawsBody;  // the true train drawn as a passing body's two edges, in its own colour
  // What the legend's black, light red, light yellow and white show.
  std::array<platform::Text, 4> legend;
};

// The program's demonstrations, numbered from 1 in this order.
std::span<const Demonstration> Demonstrations();

// The demonstration of a number in the table the program runs with, or
// nullptr for a number there is none of.
const Demonstration* DemonstrationOf(const Module1& m, double number);

// The demonstration the track picture shows: the last run's, or the one
// chosen before any run.
int ShownDemonstration(const Module1& m);

}  // namespace engine
