// Runs the real program for a while at v = 29 and prints what the wait
// between frames costs: the process's processor use and the intervals
// between frames. Run it on a real display or under xvfb-run.
#include <sys/resource.h>

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "ui/Application.h"

namespace {

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double wallSeconds() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

void press(ui::FormWindow& window, const char* button) {
  static_cast<QAbstractButton*>(window.control(button).widget())->click();
}

double percentile(std::vector<double> values, double p) {
  std::sort(values.begin(), values.end());
  const auto index =
      static_cast<std::size_t>(std::lround(p * static_cast<double>(values.size() - 1)));
  return values[index];
}

}  // namespace

int main(int argc, char* argv[]) {
  const double runSeconds = argc > 1 ? std::atof(argv[1]) : 20.0;
  int qtArgc = 1;
  QApplication qt(qtArgc, argv);
  ui::ApplyControlLook();
  ui::Application app;
  ui::FormWindow& form1 = app.controlWindow();
  press(form1, "CommandStart");
  press(form1, "CommandSimulation");  // the long track
  press(form1, "CommandStart");
  for (int i = 0; i < 29; ++i) press(form1, "CommandVinc");

  std::vector<double> frameTimes;
  app.runLoop().setFrameObserver([&] { frameTimes.push_back(wallSeconds()); });
  const double cpuAtStart = cpuSeconds();
  const double wallAtStart = wallSeconds();
  QTimer::singleShot(static_cast<int>(runSeconds * 1000), &qt, &QApplication::quit);
  QApplication::exec();
  const double cpu = cpuSeconds() - cpuAtStart;
  const double wall = wallSeconds() - wallAtStart;

  std::vector<double> intervals;
  for (std::size_t i = 1; i < frameTimes.size(); ++i) {
    intervals.push_back((frameTimes[i] - frameTimes[i - 1]) * 1000.0);
  }
  if (intervals.empty()) {
    std::printf("no frames ran\n");
    return 1;
  }
  std::printf("run             %.1f s at v = %.0f on the long track, %zu frames\n", wall,
              app.simulation().v, frameTimes.size());
  std::printf("cpu             %.2f %% of one core\n", 100.0 * cpu / wall);
  std::printf("frame interval  median %.2f ms, p99 %.2f ms, max %.2f ms\n",
              percentile(intervals, 0.5), percentile(intervals, 0.99),
              *std::max_element(intervals.begin(), intervals.end()));
  return 0;
}
