// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSettings>

#include "platform/Settings.h"

namespace platform {

// The choices kept in the desktop's settings file of the program.
class QtSettings final : public Settings {
 public:
  QtSettings(const QString& organisation, const QString& application)
      : settings_(organisation, application) {}

  std::optional<std::string> value(std::string_view key) const override;
  void setValue(std::string_view key, std::string_view value) override;

 private:
  QSettings settings_;
};

}  // namespace platform
