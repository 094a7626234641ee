// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/RunLoop.h"

#include <algorithm>
#include <cmath>

#include "engine/Constants.h"
#include "engine/Kinematics.h"
#include "engine/scenes/Demonstration.h"
#include "engine/scenes/ReadoutRow.h"

namespace engine {
namespace {

constexpr double kFramePeriod = 0.1;      // seconds
constexpr double kSlowFramePeriod = 0.4;  // slow motion: a quarter of the pace
constexpr float kFontSize = 15;
constexpr int kPenWidth = 2;
constexpr double kLargestMarkScale = 4;

// In half steps, so that every pen stays a whole number of pixels.
double markScaleFor(Palette palette, float height) {
  if (palette != Palette::Projector) return 1;
  const double steps = std::floor(2.0 * height / kStoredTrackHeight) / 2;
  return std::clamp(steps, 1.0, kLargestMarkScale);
}

void styleSurface(platform::Surface& s, platform::Rgb bgcolor) {
  s.ClearSurface();
  s.setBackColor(bgcolor);
  s.setFontSize(kFontSize);
  s.setPenWidth(kPenWidth);
}

}  // namespace

RunLoop::RunLoop(Module1& m, ControlPanelView form1, TrackDisplayView form2,
                 platform::Scheduler& scheduler, platform::Clock& clock, platform::Program& program,
                 const platform::Language& language)
    : m_(m),
      form1_(form1),
      form2_(form2),
      scheduler_(scheduler),
      clock_(clock),
      program_(program),
      language_(language) {}

void RunLoop::RunSimulation() {
  ++runNumber_;
  run_ = RunState{};
  frameOfRun_ = 0;
  phase_ = Phase::Idle;
  if (!setUp()) return;
  phase_ = Phase::Running;
  runFrame();
}

bool RunLoop::setUp() {
  prepareWindows();
  run_.first = 1.0;
  run_.fresh = 1.0;
  m_.simtype = m_.chosenType;
  demonstration_ = DemonstrationOf(m_, m_.simtype);
  if (demonstration_ == nullptr) {
    program_.EndProgram();
    return false;
  }
  form2_.Text5.setText(language_.localized(demonstration_->title));
  SetDefaults(m_);
  form1_.Tcc.setText(language_.number(m_.cc));
  run_.cc2 = m_.cc * m_.cc;
  form2_.window.surface().ClearSurface();
  m_.stopflag = 0;
  computeLayoutValues();
  run_.markScale = markScaleFor(m_.palette, form2_.window.height());
  form2_.window.surface().setPenWidth(static_cast<int>(kPenWidth * run_.markScale));
  demonstration_->layout(context_, demonstration_->widthFactor);
  return true;
}

void RunLoop::prepareWindows() {
  styleSurface(form1_.window.surface(), m_.bgcolor);
  styleSurface(form2_.window.surface(), m_.bgcolor);
}

void RunLoop::computeLayoutValues() {
  const float height = form2_.window.height();
  m_.fract = (height - 1000) * m_.fract / 3000;
  run_.ltrain1 = 1000;
  SetScreenRadii(run_, m_.rtrack, m_.fract);
  run_.rtrack2 = m_.rtrack * 1.4;
  run_.y0 = form2_.window.height() / 2.0 - 200;
  m_.vstopped = 0;
  m_.nframes = 0;
  m_.ptime = 0;
  m_.freeze = 0.0;
  run_.maxiter = 200;
  run_.kstep = kFourPi / demonstration_->stepDivisor;
  run_.dtstop = m_.rtrack * run_.kstep / demonstration_->creepDivisor;
  run_.ts = m_.rtrack / m_.cc;
  m_.v = 0;
  run_.ts2 = run_.rtrack2 / m_.cc;
  run_.te = run_.ts;
  run_.te2 = run_.ts2;
  run_.pos1 = 0;
  run_.pos2 = 0;
  m_.tracklen = kPi * m_.rtrack + 2 * m_.rtrack + 2 * m_.rtrack + kPi * m_.rtrack;
  run_.rowwidth = ReadoutWidths(form2_);
}

double SpeedAsShown(const Module1& m) {
  if (m.cc - 1 < std::fabs(m.v)) return std::floor(m.v * 100) / 100;
  return std::floor(m.v);
}

void RunLoop::writeSpeedReadout() {
  m_.shown.speed = SpeedAsShown(m_);
  form1_.Tv.setText(language_.number(m_.shown.speed));
}

void RunLoop::runFrame() {
  writeSpeedReadout();
  form2_.window.surface().DrawPoint(static_cast<float>(run_.x0dis), static_cast<float>(run_.y0),
                                    m_.colours.observer);
  FrameKinematics(context_);
  demonstration_->frame(context_);
  ++framesDrawn_;
  ++frameOfRun_;
  if (frameObserver_) frameObserver_();
  // Clicks already waiting are handled before the end of frame looks at
  // stopflag and freeze.
  scheduler_.post(forThisRun(&RunLoop::endOfFrame));
}

void RunLoop::endOfFrame() {
  if (m_.stopflag == 1) {
    phase_ = Phase::Idle;
    return;
  }
  if (m_.freeze == 1.0) {
    phase_ = Phase::Frozen;
    return;
  }
  phase_ = Phase::Running;
  paceFrom(clock_.SecondsTimer());
}

// The next frame starts once the time since the wait began, in single
// precision, is past one frame period. The elapsed time, not the clock's
// reading, is rounded: after days the reading's single-precision steps
// would outgrow the period itself.
void RunLoop::paceFrom(double waitBegan) {
  const double period = m_.slowMotion ? kSlowFramePeriod : kFramePeriod;
  const double elapsed = clock_.SecondsTimer() - waitBegan;
  if (static_cast<float>(elapsed) > static_cast<float>(period)) {
    runFrame();
    return;
  }
  // The sleep is reckoned in double: the single-precision period is a shade
  // over 0.1 s, enough to cost a whole millisecond once rounded up.
  const double remaining = std::fmax(period - elapsed, 0.0005);
  const std::uint64_t thisRun = runNumber_;
  scheduler_.postAfter(remaining, [this, thisRun, waitBegan] {
    if (isCurrent(thisRun)) paceFrom(waitBegan);
  });
}

// A frozen run looks again; while it stays frozen a new speed shows at once,
// as the next frame would write it, and the picture stays as it is.
void RunLoop::onControlsChanged() {
  if (phase_ != Phase::Frozen) return;
  endOfFrame();
  if (phase_ == Phase::Frozen) writeSpeedReadout();
}

// One ordinary frame of the run, after which it is frozen again.
void RunLoop::StepFrame() {
  if (phase_ == Phase::Frozen) runFrame();
}

void RunLoop::PlaceReadouts() {
  if (const Demonstration* shown = DemonstrationOf(m_, m_.simtype)) shown->placeReadouts(context_);
}

// A callback of a replaced run, or one that outlived the program's end, does nothing.
bool RunLoop::isCurrent(std::uint64_t run) const {
  return run == runNumber_ && !program_.ended();
}

platform::Scheduler::Callback RunLoop::forThisRun(void (RunLoop::*step)()) {
  const std::uint64_t thisRun = runNumber_;
  return [this, thisRun, step] {
    if (isCurrent(thisRun)) (this->*step)();
  };
}

}  // namespace engine
