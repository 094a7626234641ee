// SPDX-License-Identifier: GPL-3.0-or-later
// What one frame costs, for each demonstration at v = 0, 15 and 30: the
// common kinematics alone, and a whole frame (kinematics, the scene's
// drawing on the real backing image, and the repaint of what changed).
// At v = 30 every light-delay solve runs its 200 passes. With the
// spacetime diagram open, what it adds to a whole frame, against the track
// window's own cost (run with QT_SCALE_FACTOR=2 for pixel ratio 2).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <memory>

#include "engine/Kinematics.h"
#include "platform/Twips.h"
#include "platform/qt/WindowWidget.h"
#include "tests/fakes/SceneProbe.h"

namespace {

// A window hands a frame's changes to Qt once the frame is drawn, and Qt
// paints them on its next pass: two passes show the whole frame.
void paintFrame() {
  QApplication::processEvents();
  QApplication::processEvents();
}

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
    paintFrame();
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

// A run drawn on real backing images: the track window's and, when open,
// the diagram's.
struct DrawnRun {
  fakes::Rig rig;
  std::unique_ptr<platform::WindowWidget> track, diagram;

  DrawnRun(int simtype, bool withDiagram) {
    if (withDiagram) rig.core.RunAid(ui::KeyAction::Spacetime);
    rig.startRun(simtype);
    track = shown(rig.form2Window);
    if (withDiagram) diagram = shown(rig.spacetimeWindow);
    atSpeed(rig, 15);
  }
  static std::unique_ptr<platform::WindowWidget> shown(fakes::FakeWindow& window) {
    auto widget = std::make_unique<platform::WindowWidget>(
        QSize(platform::ToWholePixels(window.width()), platform::ToWholePixels(window.height())));
    widget->show();
    QApplication::processEvents();
    window.drawOn(widget->imageSurface());
    return widget;
  }
  // One frame, painted; its cost in microseconds.
  double frame() {
    const auto start = std::chrono::steady_clock::now();
    rig.runFrames(rig.runLoop.framesDrawn() + 1);
    paintFrame();
    return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
        .count();
  }
};

// The same frames with the diagram and without, taken in turn so both see
// the same machine; the counters give each frame's cost and the share the
// diagram adds to the track window's own.
void SpacetimeDiagram(benchmark::State& state) {
  DrawnRun plain(static_cast<int>(state.range(0)), false);
  DrawnRun withDiagram(static_cast<int>(state.range(0)), true);
  double trackOnly = 0, both = 0;
  for (auto _ : state) {
    trackOnly += plain.frame();
    both += withDiagram.frame();
  }
  const auto frames = static_cast<double>(state.iterations());
  state.counters["track_us"] = trackOnly / frames;
  state.counters["with_diagram_us"] = both / frames;
  state.counters["diagram_share"] = (both - trackOnly) / trackOnly;
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
BENCHMARK(SpacetimeDiagram)->ArgName("type")->DenseRange(1, 3)->Unit(benchmark::kMicrosecond);
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
