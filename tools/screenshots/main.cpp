// SPDX-License-Identifier: GPL-3.0-or-later
// Drives the real windows through a scripted run of each demonstration and
// saves what a user would see, for the README. Run it headless:
//   QT_QPA_PLATFORM=offscreen relativity-screenshots docs/screenshots
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QPainter>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

#include "ui/qt/Application.h"

namespace {

struct Scene {
  const char* file;
  int simtype;
  int speedClicks;
  bool contraction;
  int frames;
  // A moment worth showing, if not any.
  bool (*worthShowing)(const engine::Module1&, const engine::RunState&) = nullptr;
  float trackHeight = 6000;  // a larger picture than the stored window's
  bool spacetime = false;    // the diagram shown beside the track window
};

// The passing body in the middle of the window.
bool bodyPassingTheObserver(const engine::Module1&, const engine::RunState& run) {
  return run.pos1 > 1500 && run.pos1 < 2500;
}

// The seen body's four ends in the middle half of the window, at any scale.
bool seenBodyInTheMiddle(const engine::Module1& m, const engine::RunState& run) {
  const double half = run.x0dis / 2;
  for (double x : {run.xs, run.xe, run.xs2, run.xe2}) {
    if (std::abs(m.fract * x) > half) return false;
  }
  return run.pos1 > 0;
}

void waitUntil(const std::function<bool()>& done) {
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  poll.start(20);
  loop.exec();
}

void press(ui::FormWindow& window, const char* button) {
  static_cast<QAbstractButton*>(window.control(button).widget())->click();
}

// The windows shown, as they stand on the screen: the track window under the
// control window, the diagram beside it.
QImage shownWindows(ui::Application& app) {
  std::vector<QWidget*> shown = {&app.controlWindow(), &app.trackWindow()};
  if (app.spacetimeWindow().isVisible()) shown.push_back(&app.spacetimeWindow());
  QRect all;
  for (QWidget* window : shown) all = all.united(window->frameGeometry());
  const qreal ratio = app.controlWindow().devicePixelRatioF();
  QImage shot(all.size() * ratio, QImage::Format_RGB32);
  shot.setDevicePixelRatio(ratio);  // keeps every device pixel of the windows
  shot.fill(QColor(64, 64, 64));
  QPainter painter(&shot);
  for (QWidget* window : shown) {
    painter.drawPixmap(window->frameGeometry().topLeft() - all.topLeft(), window->grab());
  }
  return shot;
}

bool save(ui::Application& app, const QDir& into, const char* file) {
  const QString path = into.filePath(QString::fromUtf8(file));
  const bool saved = shownWindows(app).save(path);
  std::printf("%s %s\n", saved ? "saved" : "FAILED", qPrintable(path));
  return saved;
}

// The control window while a demonstration is being chosen.
bool captureChoosing(ui::Application& app, const QDir& into) {
  ui::FormWindow& form1 = app.controlWindow();
  press(form1, "CommandStart");
  press(form1, "CommandSimulation");
  form1.activateWindow();
  waitUntil([] { return true; });
  const bool saved = save(app, into, "choosing.png");
  press(form1, "CommandSimulation");
  press(form1, "CommandSimulation");
  press(form1, "CommandStart");  // Select; the first scene stops it again
  return saved;
}

bool capture(ui::Application& app, const Scene& scene, const QDir& into) {
  ui::Commands& commands = app.commands();
  ui::FormWindow& form1 = app.controlWindow();
  if (app.simulation().mode == engine::RunMode::Running) press(form1, "CommandStart");
  press(form1, "CommandStart");
  if (app.simulation().spacetime != scene.spacetime) app.core().RunAid(ui::KeyAction::Spacetime);
  app.trackWindow().window().setHeight(scene.trackHeight);
  while (app.simulation().chosenType != scene.simtype) press(form1, "CommandSimulation");
  if (app.simulation().contraction != scene.contraction) commands.TControl_Click();
  press(form1, "CommandStart");
  for (int i = 0; i < scene.speedClicks; ++i) press(form1, "CommandVinc");
  form1.activateWindow();  // the keyboard stays with the controls, as for a user
  const auto target = app.runLoop().framesDrawn() + scene.frames;
  waitUntil([&] {
    return app.runLoop().framesDrawn() >= target &&
           (!scene.worthShowing || scene.worthShowing(app.simulation(), app.runLoop().state()));
  });
  return save(app, into, scene.file);
}

}  // namespace

int main(int argc, char* argv[]) {
  int qtArgc = 1;
  QApplication qt(qtArgc, argv);
  const QDir into(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
  QDir().mkpath(into.path());
  ui::ApplyControlLook();
  ui::Application app;
  const Scene scenes[] = {
      {"round-track.png", 1, 15, true, 40},
      {"round-track-slow.png", 1, 5, false, 30},
      {"round-track-fast.png", 1, 28, true, 25},
      {"long-track.png", 2, 24, true, 45},
      {"terrell.png", 3, 27, false, 40, bodyPassingTheObserver},
      // The body crosses the window alike at the stored height and taller.
      {"terrell-stored-height.png", 3, 20, false, 10, seenBodyInTheMiddle, 3165},
      {"terrell-double-height.png", 3, 20, false, 10, seenBodyInTheMiddle, 6330},
      {"terrell-triple-height.png", 3, 20, false, 10, seenBodyInTheMiddle, 9495},
  };
  bool ok = captureChoosing(app, into);
  for (const Scene& scene : scenes) ok = capture(app, scene, into) && ok;
  // The projector palette, switched while idle as a teacher would.
  if (app.simulation().mode == engine::RunMode::Running) press(app.controlWindow(), "CommandStart");
  app.commands().SwitchPalette();
  ok = capture(app, {"projector.png", 2, 24, true, 45}, into) && ok;
  // Both windows three times as large, as on a projector across a room.
  press(app.controlWindow(), "CommandStart");
  app.aids().setZoom(3);
  ok = capture(app, {"zoom-300.png", 1, 15, true, 30, nullptr, 3165}, into) && ok;
  press(app.controlWindow(), "CommandStart");
  app.aids().setZoom(1);
  app.commands().SwitchPalette();
  // The spacetime diagram of each demonstration, beside its picture.
  const Scene diagrams[] = {
      {"spacetime-round.png", 1, 15, true, 40, nullptr, 4800, true},
      {"spacetime-long.png", 2, 15, true, 45, nullptr, 4800, true},
      {"spacetime-terrell.png", 3, 15, false, 10, seenBodyInTheMiddle, 4800, true},
  };
  for (const Scene& scene : diagrams) ok = capture(app, scene, into) && ok;
  return ok ? 0 : 1;
}
