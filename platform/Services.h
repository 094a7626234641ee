// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace platform {

// Seconds from a monotonic clock, so that a wait never stalls when the
// wall clock jumps or passes midnight.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual double SecondsTimer() = 0;
};

// Runs callbacks from the window system's event loop, on its one thread.
class Scheduler {
 public:
  using Callback = std::function<void()>;
  virtual ~Scheduler() = default;
  // After every event already waiting has been handled.
  virtual void post(Callback callback) = 0;
  // No earlier than the given number of seconds from now.
  virtual void postAfter(double seconds, Callback callback) = 0;
};

class Program {
 public:
  virtual ~Program() = default;
  // Ends the program: no handler, frame or callback runs after this returns.
  virtual void EndProgram() = 0;
  virtual bool ended() const = 0;
};

}  // namespace platform
