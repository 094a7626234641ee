// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Services.h"
#include "platform/Settings.h"
#include "ui/ProgramCore.h"

namespace fakes {

// A clock and an event queue in simulated time: callbacks and scripted user
// actions run in order of their due time, then of their posting, and the
// clock jumps from one to the next. Nothing waits for real.
class VirtualTime final : public platform::Clock, public platform::Scheduler {
 public:
  double SecondsTimer() override { return now_; }
  void post(Callback callback) override { queue(now_, std::move(callback)); }
  void postAfter(double seconds, Callback callback) override {
    queue(now_ + seconds, std::move(callback));
  }

  // A user action arriving at the given time.
  void at(double seconds, Callback action) { queue(seconds, std::move(action)); }

  // Runs everything due up to the given time; stops early when the program ends.
  void runUntil(double seconds, const platform::Program& program);
  double now() const { return now_; }
  // Sets the clock, as a program that has been running that long would read it.
  void setNow(double seconds) { now_ = seconds; }
  // Callbacks and actions run so far: wake-ups of the program.
  std::uint64_t wakeUps() const { return wakeUps_; }
  bool idle() const { return pending_.empty(); }

 private:
  void queue(double due, Callback callback) {
    pending_.emplace(std::make_pair(due, next_++), std::move(callback));
  }

  double now_ = 1000.0;
  std::uint64_t next_ = 0;
  std::uint64_t wakeUps_ = 0;
  std::map<std::pair<double, std::uint64_t>, Callback> pending_;
};

class FakeProgram final : public platform::Program {
 public:
  void EndProgram() override { ended_ = true; }
  bool ended() const override { return ended_; }

 private:
  bool ended_ = false;
};

// Settings kept for the life of the test.
class MemorySettings final : public platform::Settings {
 public:
  std::optional<std::string> value(std::string_view key) const override {
    const auto found = values_.find(key);
    if (found == values_.end()) return std::nullopt;
    return found->second;
  }
  void setValue(std::string_view key, std::string_view value) override {
    values_.insert_or_assign(std::string(key), std::string(value));
  }

 private:
  std::map<std::string, std::string, std::less<>> values_;
};

// A shell that notes which of its own aids it was asked for, and what it
// was given to say and to describe the picture with, and when.
class RecordingShell final : public ui::Shell {
 public:
  struct Said {
    double at;
    std::string text;
  };

  explicit RecordingShell(platform::Clock& clock) : clock_(clock) {}

  void perform(ui::KeyAction action) override { performed.push_back(action); }
  void announce(const std::string& text) override { announced.push_back({now(), text}); }
  void describePicture(const std::string& text) override { described.push_back({now(), text}); }

  std::vector<ui::KeyAction> performed;
  std::vector<Said> announced;
  std::vector<Said> described;

 private:
  double now() { return clock_.SecondsTimer(); }
  platform::Clock& clock_;
};

}  // namespace fakes
