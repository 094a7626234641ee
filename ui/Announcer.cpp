// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Announcer.h"

#include <algorithm>

namespace ui {

Announcer::Announcer(platform::Scheduler& scheduler, platform::Clock& clock, Speak speak)
    : scheduler_(scheduler), clock_(clock), speak_(std::move(speak)) {}

void Announcer::announce(std::string text) {
  waiting_ = std::move(text);
  if (sayingScheduled_) return;
  sayingScheduled_ = true;
  const double wait = std::max(0.0, lastSaid_ + kSpacing - clock_.SecondsTimer());
  scheduler_.postAfter(wait, [this] { sayWaiting(); });
}

void Announcer::announceSettled(std::string text) {
  const std::uint64_t mine = ++settling_;
  scheduler_.postAfter(kSettle, [this, mine, text = std::move(text)]() mutable {
    if (mine == settling_) announce(std::move(text));
  });
}

void Announcer::sayNow(const std::string& text) {
  waiting_.reset();
  ++settling_;
  speak_(text);
  lastSaid_ = clock_.SecondsTimer();
}

void Announcer::sayWaiting() {
  sayingScheduled_ = false;
  if (!waiting_) return;
  // A timer may come a shade early; what is due waits its full spacing.
  const double wait = lastSaid_ + kSpacing - clock_.SecondsTimer();
  if (wait > 0) {
    sayingScheduled_ = true;
    scheduler_.postAfter(wait, [this] { sayWaiting(); });
    return;
  }
  speak_(*waiting_);
  waiting_.reset();
  lastSaid_ = clock_.SecondsTimer();
}

}  // namespace ui
