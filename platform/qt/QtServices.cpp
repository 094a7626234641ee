// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtServices.h"

#include <QCoreApplication>
#include <QTimer>
#include <cmath>

namespace platform {

void QtScheduler::post(Callback callback) {
  QTimer::singleShot(0, &context_, std::move(callback));
}

// Rounded up to whole milliseconds, so the callback never comes early.
void QtScheduler::postAfter(double seconds, Callback callback) {
  const auto milliseconds = static_cast<int>(std::ceil(seconds * 1000.0));
  QTimer::singleShot(milliseconds, Qt::PreciseTimer, &context_, std::move(callback));
}

// Leaves the event loop: no queued callback or frame runs after this.
void QtProgram::EndProgram() {
  ended_ = true;
  QCoreApplication::exit(0);
}

}  // namespace platform
