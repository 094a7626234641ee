// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>

#include "engine/Module1.h"
#include "engine/RunState.h"
#include "engine/Views.h"
#include "platform/Services.h"

namespace engine {

// The speed as its box shows it: whole numbers, but two decimals within one
// of c either way, where "v >" and "v <" halve what is left to c and the
// whole number would read as c.
double SpeedAsShown(const Module1& m);

// One run of a demonstration at a time: its set-up, then frames at most ten
// a second until a stop. It never blocks: each frame is a callback of the
// event loop, so the control window's handlers run between frames, and the
// wait between frames costs no processor time.
class RunLoop {
 public:
  enum class Phase { Idle, Running, Frozen };

  RunLoop(Module1& m, ControlPanelView form1, TrackDisplayView form2,
          platform::Scheduler& scheduler, platform::Clock& clock, platform::Program& program,
          const platform::Language& language);

  // Sets a run up and draws its first frame; later frames follow from the
  // event loop. A run already going is dropped.
  void RunSimulation();

  // The controls changed freeze, stopflag or the speed: a frozen run looks again.
  void onControlsChanged();
  // While frozen: draws exactly the next frame, and stays frozen.
  void StepFrame();
  // The track window was resized: its title and readout row are placed in it
  // as it now is. The picture keeps its scale until the next run.
  void PlaceReadouts();

  Phase phase() const { return phase_; }
  const RunState& state() const { return run_; }
  std::int64_t framesDrawn() const { return framesDrawn_; }
  // Frames drawn since the current (or last) run began: 1 for its first.
  std::int64_t frameOfRun() const { return frameOfRun_; }

  // Called after each frame is drawn; for measuring.
  void setFrameObserver(std::function<void()> observer) { frameObserver_ = std::move(observer); }

 private:
  bool setUp();
  void prepareWindows();
  void computeLayoutValues();
  void runFrame();
  void endOfFrame();
  void paceFrom(double waitBegan);
  void writeSpeedReadout();
  bool isCurrent(std::uint64_t run) const;
  // Wraps a callback so that it does nothing once its run has been replaced.
  platform::Scheduler::Callback forThisRun(void (RunLoop::*step)());

  Module1& m_;
  ControlPanelView form1_;
  TrackDisplayView form2_;
  platform::Scheduler& scheduler_;
  platform::Clock& clock_;
  platform::Program& program_;
  const platform::Language& language_;
  RunState run_;
  const Demonstration* demonstration_ = nullptr;  // the run's
  RunContext context_{m_, run_, form1_, form2_, language_};
  Phase phase_ = Phase::Idle;
  std::uint64_t runNumber_ = 0;
  std::int64_t framesDrawn_ = 0;
  std::int64_t frameOfRun_ = 0;
  std::function<void()> frameObserver_;
};

}  // namespace engine
