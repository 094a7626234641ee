// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtLanguage.h"

#include <QCoreApplication>

namespace platform {

std::string QtLanguage::localized(const Text& text) const {
  if (text.context == nullptr || *text.source == '\0') return text.source;
  return QCoreApplication::translate(text.context, text.source).toStdString();
}

}  // namespace platform
