// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fakes/VirtualTime.h"

namespace fakes {

void VirtualTime::runUntil(double seconds, const platform::Program& program) {
  while (!pending_.empty() && !program.ended()) {
    auto next = pending_.begin();
    if (next->first.first > seconds) break;
    if (next->first.first > now_) now_ = next->first.first;
    Callback callback = std::move(next->second);
    pending_.erase(next);
    ++wakeUps_;
    callback();
  }
  if (!program.ended() && now_ < seconds) now_ = seconds;
}

}  // namespace fakes
