// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "platform/Services.h"

namespace ui {

// Says what has just changed, politely: never more than one announcement in
// any two seconds, a newer one taking the place of one not yet said, and a
// speed only once the clicks have settled for half a second.
class Announcer {
 public:
  using Speak = std::function<void(const std::string&)>;

  static constexpr double kSpacing = 2.0;  // seconds between two announcements
  static constexpr double kSettle = 0.5;   // seconds without another click

  Announcer(platform::Scheduler& scheduler, platform::Clock& clock, Speak speak);

  // As soon as the spacing allows.
  void announce(std::string text);
  // Once no other text has come for the settling time, then as announce().
  void announceSettled(std::string text);
  // Asked for: said at once, and what waited is dropped.
  void sayNow(const std::string& text);

 private:
  void sayWaiting();

  platform::Scheduler& scheduler_;
  platform::Clock& clock_;
  Speak speak_;
  std::optional<std::string> waiting_;
  bool sayingScheduled_ = false;
  double lastSaid_ = -kSpacing * 2;  // long ago
  std::uint64_t settling_ = 0;       // the latest text that waits to settle
};

}  // namespace ui
