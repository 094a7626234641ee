// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtSettings.h"

namespace platform {
namespace {

QString keyOf(std::string_view key) {
  return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

}  // namespace

std::optional<std::string> QtSettings::value(std::string_view key) const {
  const QString name = keyOf(key);
  if (!settings_.contains(name)) return std::nullopt;
  return settings_.value(name).toString().toStdString();
}

void QtSettings::setValue(std::string_view key, std::string_view value) {
  settings_.setValue(keyOf(key),
                     QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

}  // namespace platform
