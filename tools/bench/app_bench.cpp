// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the real program on a display (run it under xvfb-run):
//   app-bench startup            time from process start to the control window shown;
//                                the launcher passes its clock in LAUNCHED_AT_NS
//   app-bench pacing SECONDS     processor use and frame intervals at v = 29
//   app-bench memory SECONDS     resident memory during a run of each demonstration
#include <sys/resource.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "ui/qt/Application.h"

namespace {

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double monotonicSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

long residentKiB() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

void press(ui::FormWindow& window, const char* button) {
  static_cast<QAbstractButton*>(window.control(button).widget())->click();
}

void startRun(ui::Application& app, int simtype, int speedClicks) {
  ui::FormWindow& form1 = app.controlWindow();
  if (app.simulation().mode == engine::RunMode::Running) press(form1, "CommandStart");
  press(form1, "CommandStart");
  while (app.simulation().chosenType != simtype) press(form1, "CommandSimulation");
  press(form1, "CommandStart");
  for (int i = 0; i < speedClicks; ++i) press(form1, "CommandVinc");
}

void runFor(double seconds) {
  QTimer::singleShot(static_cast<int>(seconds * 1000), qApp, &QApplication::quit);
  QApplication::exec();
}

double percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(std::lround(p * static_cast<double>(values.size() - 1)))];
}

int startup() {
  const char* launched = std::getenv("LAUNCHED_AT_NS");
  ui::ApplyControlLook();
  ui::Application app;
  QWindow* shown = app.controlWindow().windowHandle();
  while (shown == nullptr || !shown->isExposed()) {
    QApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    shown = app.controlWindow().windowHandle();
  }
  // The first paint: a window hands its changes to Qt, which paints them on
  // its next pass.
  QApplication::processEvents();
  QApplication::processEvents();
  const auto now = std::chrono::system_clock::now().time_since_epoch();
  const double nowNs = static_cast<double>(std::chrono::nanoseconds(now).count());
  if (launched == nullptr) return 1;
  std::printf("%.1f\n", (nowNs - std::atof(launched)) / 1e6);
  return 0;
}

int pacing(double seconds) {
  ui::ApplyControlLook();
  ui::Application app;
  startRun(app, 2, 29);
  std::vector<double> frameTimes;
  app.runLoop().setFrameObserver([&] { frameTimes.push_back(monotonicSeconds()); });
  const double cpuAtStart = cpuSeconds();
  const double wallAtStart = monotonicSeconds();
  runFor(seconds);
  const double cpu = cpuSeconds() - cpuAtStart;
  const double wall = monotonicSeconds() - wallAtStart;
  std::vector<double> intervals;
  for (std::size_t i = 1; i < frameTimes.size(); ++i) {
    intervals.push_back((frameTimes[i] - frameTimes[i - 1]) * 1000.0);
  }
  if (intervals.empty()) return 1;
  std::printf("pacing: %.1f s at v = 29 on the long track, %zu frames\n", wall, frameTimes.size());
  std::printf("cpu %.2f %% of one core\n", 100.0 * cpu / wall);
  std::printf("interval median %.2f ms, p99 %.2f ms, max %.2f ms\n", percentile(intervals, 0.5),
              percentile(intervals, 0.99), *std::max_element(intervals.begin(), intervals.end()));
  return 0;
}

int memory(double seconds) {
  ui::ApplyControlLook();
  ui::Application app;
  for (int simtype : {1, 2, 3}) {
    startRun(app, simtype, 28);
    // Switch contraction now and then so the picture keeps changing.
    QTimer toggle;
    QObject::connect(&toggle, &QTimer::timeout, [&] { app.commands().TControl_Click(); });
    toggle.start(1700);
    runFor(10);
    const long at10 = residentKiB();
    runFor(seconds - 10);
    const long atEnd = residentKiB();
    std::printf("memory: type %d, RSS %.1f MB at 10 s, %.1f MB at %.0f s\n", simtype,
                static_cast<double>(at10) / 1024, static_cast<double>(atEnd) / 1024, seconds);
  }
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  int qtArgc = 1;
  QApplication qt(qtArgc, argv);
  const std::string mode = argc > 1 ? argv[1] : "pacing";
  const double seconds = argc > 2 ? std::atof(argv[2]) : 20.0;
  if (mode == "startup") return startup();
  if (mode == "memory") return memory(seconds);
  return pacing(seconds);
}
