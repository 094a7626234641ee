// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtLanguage.h"

#include <QCoreApplication>

namespace platform {

std::string QtLanguage::translated(const Text& text) const {
  return Translated(text).toStdString();
}

QString Translated(const Text& text) {
  return QCoreApplication::translate(text.context, text.source);
}

}  // namespace platform
