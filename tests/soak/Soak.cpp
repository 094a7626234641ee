// SPDX-License-Identifier: GPL-3.0-or-later
// Runs each demonstration for many frames with the speed and the contraction
// switch changed at random every few frames, checking every frame. Prints
// frames per second and the peak resident memory.
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "tests/fakes/Invariants.h"

namespace {

long peakResidentKiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss;
}

void steer(fakes::Rig& rig, std::mt19937& random) {
  switch (random() % 6) {
    case 0:
      rig.commands.TControl_Click();
      break;
    case 1:
      rig.commands.CommandVdec_Click();
      break;
    case 2:
      rig.commands.CommandVzero_Click();
      break;
    default:
      rig.commands.CommandVinc_Click();
      break;
  }
}

// Frames of one demonstration; false when an invariant broke.
bool soak(int simtype, long frames, std::mt19937& random) {
  fakes::Rig rig;
  fakes::CheckingSurface surface;
  rig.form2Window.drawOn(surface);
  std::string fault;
  rig.runLoop.setFrameObserver([&] {
    if (fault.empty()) fault = fakes::CheckInvariants(rig);
    if (fault.empty()) fault = surface.fault;
  });
  rig.startRun(simtype);
  const auto start = std::chrono::steady_clock::now();
  while (rig.runLoop.framesDrawn() < frames && fault.empty()) {
    if (random() % 4 == 0) steer(rig, random);
    rig.runFrames(rig.runLoop.framesDrawn() + 1 + static_cast<long>(random() % 5));
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("type %d: %ld frames, %.0f frames/s, %lld drawing calls, peak RSS %ld KiB%s%s\n",
              simtype, static_cast<long>(rig.runLoop.framesDrawn()),
              static_cast<double>(rig.runLoop.framesDrawn()) / seconds, surface.calls,
              peakResidentKiB(), fault.empty() ? "" : ", FAULT: ", fault.c_str());
  return fault.empty();
}

}  // namespace

int main(int argc, char* argv[]) {
  const long frames = argc > 1 ? std::atol(argv[1]) : 1000000;
  std::mt19937 random(20261207);
  bool held = true;
  for (int simtype : {1, 2, 3}) held = soak(simtype, frames, random) && held;
  return held ? 0 : 1;
}
