// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>

#include "platform/Services.h"
#include "platform/Settings.h"

namespace platform {

// Seconds from the page's monotonic clock.
class WebClock final : public Clock {
 public:
  double SecondsTimer() override;
};

// Callbacks from the browser's own timers: the page sleeps between them,
// and a hidden tab's timers cost next to nothing.
class WebScheduler final : public Scheduler {
 public:
  void post(Callback callback) override;
  void postAfter(double seconds, Callback callback) override;

  // The page's timer with this number fired.
  void fire(int timer);
  void cancelAll();

 private:
  int start(double milliseconds, Callback callback);

  std::map<int, Callback> pending_;
  int next_ = 1;
};

// The choices kept in the browser's storage for this page; a browser that
// refuses storage (a private window, a sandboxed frame) keeps nothing.
class WebSettings final : public Settings {
 public:
  std::optional<std::string> value(std::string_view key) const override;
  void setValue(std::string_view key, std::string_view value) override;
};

class WebProgram final : public Program {
 public:
  explicit WebProgram(WebScheduler& scheduler) : scheduler_(scheduler) {}
  // Every timer stops and the page says that the program has ended.
  void EndProgram() override;
  bool ended() const override { return ended_; }

 private:
  WebScheduler& scheduler_;
  bool ended_ = false;
};

}  // namespace platform
