// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tests/fakes/FakeWindows.h"

namespace fakes {

// What one frame showed: every drawing call, then every readout's text.
struct FrameRecord {
  std::vector<DrawCall> calls;
  std::vector<std::string> readouts;
  double pos1 = 0;  // where the train's front was, to find a lap's wrap (not hashed)
};

// Freezes the scripted run after a frame is drawn, then steps it frame by frame.
struct FreezeAndStep {
  int afterFrame;
  int steps;
};

inline constexpr int kGoldenFrames = 500;

// The scripts of the golden runs:
// - Lesson: speed up and down, contraction switched both ways, v = 0, a
//   negative speed, a freeze, and laps or restarts;
// - Stops: v = 0 at speed and while creeping on, each followed by "v <" or
//   "v >", v = 0 twice in a row, and v = 0 from a negative speed.
enum class GoldenScript { Lesson, Stops };

// A scripted run of one demonstration. The same script on any build gives
// the same frames.
std::vector<FrameRecord> RunGoldenScript(int simtype, GoldenScript script = GoldenScript::Lesson);
// The lesson's run, frozen and stepped: it ends after the last step.
std::vector<FrameRecord> RunGoldenScript(int simtype, FreezeAndStep stepping);

class Rig;

// A golden script run on a rig made ready by `prepare`, with `eachFrame`
// called after every frame it draws.
void WalkGoldenScript(int simtype, GoldenScript script, const std::function<void(Rig&)>& prepare,
                      const std::function<void(Rig&)>& eachFrame);

// The frames after which the script acts.
std::vector<int> GoldenScriptActionFrames();

// A frame as text, one line per call and one for the readouts; numbers with
// nine significant digits, enough to read back every single-precision value.
std::string FrameText(const FrameRecord& frame);

std::uint64_t Fnv1a(std::string_view text);

}  // namespace fakes
