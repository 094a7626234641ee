// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "engine/Module1.h"
#include "engine/RunLoop.h"
#include "tests/fakes/FakeWindows.h"
#include "tests/fakes/VirtualTime.h"
#include "ui/Commands.h"
#include "ui/Forms.h"
#include "ui/ProgramCore.h"

namespace fakes {

// The whole program on fake windows, a virtual clock and a scripted event
// queue: loaded as at start-up, driven by calls to its handlers.
class Rig {
 public:
  explicit Rig(std::span<const engine::Demonstration> demonstrations = engine::Demonstrations(),
               const ui::StartChoices& choices = {});

  // Start, step the type to the given demonstration, Select: a run begins.
  void startRun(int simtype);
  // Lets simulated time pass, running frames and scripted actions.
  void runFor(double seconds) { time.runUntil(time.now() + seconds, program); }
  // Runs frames until the given number have been drawn in all.
  void runFrames(std::int64_t frames);
  void clickVinc(int times);

  FakeControl& f1(const std::string& name) { return form1Window.control(name); }
  FakeControl& f2(const std::string& name) { return form2Window.control(name); }
  RecordingSurface& picture() { return form2Window.recording(); }
  const engine::RunState& state() const { return runLoop.state(); }

  platform::SourceLanguage language;
  VirtualTime time;
  FakeProgram program;
  FakeWindow form1Window;
  FakeWindow form2Window;
  FakeWindow spacetimeWindow;
  MemorySettings settings;
  RecordingShell shell{time};
  ui::ProgramCore core;
  // The core's parts, by the names the tests use.
  engine::Module1& m;
  engine::RunLoop& runLoop;
  ui::Commands& commands;
  ui::Form1& form1;
  ui::Form2& form2;
};

// The steps a picture is checked through: speeding up, contraction switched
// and faster still, "v = 0", then back through zero to a negative speed,
// with `frames(count)` drawn after each; `stopped` runs after the frames at
// rest.
void SpeedsAndStops(
    Rig& rig, const std::function<void(int count)>& frames,
    const std::function<void()>& stopped = [] {});

}  // namespace fakes
