// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fakes/GoldenRun.h"

#include <cstdio>
#include <functional>
#include <map>

#include "tests/fakes/Rig.h"

namespace fakes {
namespace {

using Action = std::function<void(Rig&)>;

void times(Rig& rig, void (ui::Commands::*click)(), int count) {
  for (int i = 0; i < count; ++i) (rig.commands.*click)();
}

// After which frame each action comes, as a user's clicks would.
std::multimap<int, Action> lesson() {
  using C = ui::Commands;
  return {
      {5, [](Rig& r) { times(r, &C::CommandVinc_Click, 10); }},
      {60, [](Rig& r) { r.commands.TControl_Click(); }},
      {90, [](Rig& r) { times(r, &C::CommandVinc_Click, 22); }},
      {160, [](Rig& r) { times(r, &C::CommandVdec_Click, 6); }},
      {200, [](Rig& r) { r.commands.CommandVzero_Click(); }},
      {240, [](Rig& r) { times(r, &C::CommandVinc_Click, 27); }},
      {300, [](Rig& r) { r.commands.TControl_Click(); }},
      {330, [](Rig& r) { times(r, &C::CommandVdec_Click, 45); }},
      {400, [](Rig& r) { times(r, &C::CommandVinc_Click, 18); }},
      {440,
       [](Rig& r) {
         r.commands.CommandFreeze_Click();
         r.runFor(1.0);
         r.commands.CommandFreeze_Click();
       }},
      {460, [](Rig& r) { r.commands.TControl_Click(); }},
  };
}

std::multimap<int, Action> stops() {
  using C = ui::Commands;
  return {
      {5, [](Rig& r) { times(r, &C::CommandVinc_Click, 12); }},
      {50, [](Rig& r) { r.commands.CommandVzero_Click(); }},
      {60, [](Rig& r) { times(r, &C::CommandVdec_Click, 8); }},  // while creeping on
      {120, [](Rig& r) { r.commands.CommandVzero_Click(); }},
      {125, [](Rig& r) { r.commands.CommandVzero_Click(); }},  // again, while creeping
      {135, [](Rig& r) { times(r, &C::CommandVinc_Click, 20); }},
      {200, [](Rig& r) { r.commands.TControl_Click(); }},
      {210, [](Rig& r) { r.commands.CommandVzero_Click(); }},
      {260, [](Rig& r) { times(r, &C::CommandVdec_Click, 25); }},  // after the creep ended
      {320, [](Rig& r) { r.commands.CommandVzero_Click(); }},
      {330, [](Rig& r) { times(r, &C::CommandVinc_Click, 9); }},
      {400, [](Rig& r) { r.commands.CommandVzero_Click(); }},
      {401, [](Rig& r) { r.commands.CommandVzero_Click(); }},
      {440, [](Rig& r) { times(r, &C::CommandVdec_Click, 3); }},
  };
}

// Nine significant digits tell every single-precision value apart.
void appendNumber(std::string& out, float value) {
  char buffer[32];
  const int length = std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(value));
  out.append(buffer, static_cast<std::size_t>(length));
}

}  // namespace

std::vector<int> GoldenScriptActionFrames() {
  std::vector<int> frames;
  for (const auto& [frame, action] : lesson()) frames.push_back(frame);
  return frames;
}

namespace {

void walk(int simtype, const std::multimap<int, Action>& actions, FreezeAndStep stepping,
          const std::function<void(Rig&)>& prepare, const std::function<void(Rig&)>& eachFrame) {
  Rig rig;
  if (prepare) prepare(rig);
  rig.core.observeFrames([&] { eachFrame(rig); });
  rig.startRun(simtype);
  for (int drawn = 1; drawn < kGoldenFrames; ++drawn) {
    auto [first, last] = actions.equal_range(drawn);
    for (auto it = first; it != last; ++it) it->second(rig);
    if (drawn == stepping.afterFrame) {
      // A frame already due still comes; then each step is one frame.
      rig.commands.CommandFreeze_Click();
      rig.runFor(1.0);
      for (int step = 0; step < stepping.steps; ++step) {
        rig.commands.StepFrame();
        rig.runFor(0.7);
      }
      return;
    }
    rig.runFrames(drawn + 1);
  }
}

std::vector<FrameRecord> runScript(int simtype, const std::multimap<int, Action>& actions,
                                   FreezeAndStep stepping) {
  std::vector<FrameRecord> frames;
  std::size_t callsSeen = 0;
  walk(simtype, actions, stepping, {}, [&](Rig& rig) {
    const auto& calls = rig.picture().calls;
    FrameRecord frame;
    frame.calls.assign(calls.begin() + static_cast<std::ptrdiff_t>(callsSeen), calls.end());
    callsSeen = calls.size();
    for (auto* box : {&rig.f1("Tv"), &rig.f1("Tcc"), &rig.f1("TTime"), &rig.f2("Tlength_obs"),
                      &rig.f2("Tv_obs"), &rig.f2("TLocalTime")}) {
      frame.readouts.push_back(box->text());
    }
    frame.pos1 = rig.state().pos1;
    frames.push_back(std::move(frame));
  });
  return frames;
}

}  // namespace

std::vector<FrameRecord> RunGoldenScript(int simtype, GoldenScript script) {
  return runScript(simtype, script == GoldenScript::Lesson ? lesson() : stops(),
                   {kGoldenFrames, 0});
}

std::vector<FrameRecord> RunGoldenScript(int simtype, FreezeAndStep stepping) {
  return runScript(simtype, lesson(), stepping);
}

void WalkGoldenScript(int simtype, GoldenScript script, const std::function<void(Rig&)>& prepare,
                      const std::function<void(Rig&)>& eachFrame) {
  walk(simtype, script == GoldenScript::Lesson ? lesson() : stops(), {kGoldenFrames, 0}, prepare,
       eachFrame);
}

std::string FrameText(const FrameRecord& frame) {
  static constexpr const char* kOps[] = {"clear", "circle", "arc", "line", "point"};
  std::string text;
  for (const DrawCall& call : frame.calls) {
    text += kOps[static_cast<int>(call.op)];
    for (float value : {call.a, call.b, call.c, call.d, call.start, call.end}) {
      text += ' ';
      appendNumber(text, value);
    }
    text += ' ' + std::to_string(call.colour) + '\n';
  }
  text += "readouts";
  for (const std::string& readout : frame.readouts) text += ' ' + readout;
  text += '\n';
  return text;
}

std::uint64_t Fnv1a(std::string_view text) {
  std::uint64_t hash = 14695981039346656037ULL;
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 1099511628211ULL;
  }
  return hash;
}

}  // namespace fakes
