// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include "platform/Services.h"

namespace platform {

// Callbacks from Qt's event loop. Dropped with this object.
class QtScheduler final : public Scheduler {
 public:
  void post(Callback callback) override;
  void postAfter(double seconds, Callback callback) override;

 private:
  QObject context_;
};

class QtProgram final : public Program {
 public:
  void EndProgram() override;
  bool ended() const override { return ended_; }

 private:
  bool ended_ = false;
};

}  // namespace platform
