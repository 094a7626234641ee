// SPDX-License-Identifier: GPL-3.0-or-later
// What one frame costs, for each demonstration at v = 0, 15 and 30: the
// common kinematics alone, and a whole frame (kinematics, the scene's
// drawing on the real backing image, and the repaint of what changed).
// At v = 30 every light-delay solve runs its 200 passes.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "engine/Kinematics.h"
#include "platform/Twips.h"
#include "platform/qt/WindowWidget.h"
#include "tests/fakes/SceneProbe.h"

namespace {

void atSpeed(fakes::Rig& rig, double speed) {
  rig.m.v = speed;
  rig.m.vold = static_cast<float>(speed);
}

void Kinematics(benchmark::State& state) {
  fakes::SceneProbe probe(static_cast<int>(state.range(0)));
  atSpeed(probe.rig, static_cast<double>(state.range(1)));
  for (auto _ : state) {
    engine::FrameKinematics(probe.context);
    benchmark::DoNotOptimize(probe.run.pos1s);
  }
}

// A whole frame in a track window of the given height, in the usual palette
// or the projector's, whose pens and marks grow with the window.
void frameAt(benchmark::State& state, int simtype, double speed, float height,
             engine::Palette palette) {
  fakes::Rig rig;
  rig.form2Window.setHeight(height);
  if (palette != rig.m.palette) rig.commands.SwitchPalette();
  rig.startRun(simtype);
  platform::WindowWidget window(QSize(platform::ToWholePixels(rig.form2Window.width()),
                                      platform::ToWholePixels(rig.form2Window.height())));
  window.show();
  QApplication::processEvents();
  rig.form2Window.drawOn(window.imageSurface());
  atSpeed(rig, speed);
  for (auto _ : state) {
    rig.runFrames(rig.runLoop.framesDrawn() + 1);
    QApplication::processEvents();  // paints the changed rectangles
  }
}

void WholeFrame(benchmark::State& state) {
  frameAt(state, static_cast<int>(state.range(0)), static_cast<double>(state.range(1)),
          engine::kStoredTrackHeight, engine::Palette::Usual);
}

// A projector's window, four times the stored height: the thin pens of the
// usual palette against the projector palette's four times thicker ones.
void ThickPens(benchmark::State& state) {
  frameAt(state, static_cast<int>(state.range(0)), 15, 4 * engine::kStoredTrackHeight,
          state.range(1) == 0 ? engine::Palette::Usual : engine::Palette::Projector);
}

void Demonstrations(benchmark::internal::Benchmark* bench) {
  bench->ArgNames({"type", "v"});
  for (int simtype : {1, 2, 3}) {
    for (int speed : {0, 15, 30}) bench->Args({simtype, speed});
  }
  bench->Unit(benchmark::kMicrosecond);
}

BENCHMARK(Kinematics)->Apply(Demonstrations);
BENCHMARK(WholeFrame)->Apply(Demonstrations);
BENCHMARK(ThickPens)
    ->ArgNames({"type", "projector"})
    ->ArgsProduct({{1, 2, 3}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
  int qtArgc = 1;
  QApplication qt(qtArgc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
