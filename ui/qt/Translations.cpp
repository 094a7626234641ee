// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <vector>

#include "Catalogues.h"  // the list of languages, as the build found it
#include "ui/Languages.h"

namespace ui {
namespace {

std::vector<std::string> preferredLanguages(const QString& requested) {
  if (!requested.isEmpty()) return {requested.toStdString()};
  std::vector<std::string> preferred;
  for (const QString& language : QLocale::system().uiLanguages()) {
    preferred.push_back(language.toStdString());
  }
  return preferred;
}

}  // namespace

Translations::Translations(const QString& requested)
    : language_(ChooseLanguage(preferredLanguages(requested), kCatalogues)) {
  const QString code = QString::fromStdString(language_);
  // Qt's dialogs and menus follow the program's language.
  QLocale::setDefault(language_ == kSourceLanguage
                          ? QLocale(QLocale::English, QLocale::system().territory())
                          : QLocale(code));
  if (language_ == kSourceLanguage) return;
  if (program_.load(QStringLiteral(":/i18n/relativity-train_") + code)) {
    QCoreApplication::installTranslator(&program_);
  }
  // Debian ships Qt's own catalogues apart (qt6-translations-l10n); without
  // them Qt's few words stay English.
  if (qt_.load(QStringLiteral("qtbase_") + code,
               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qt_);
  }
}

Translations::~Translations() {
  QCoreApplication::removeTranslator(&qt_);
  QCoreApplication::removeTranslator(&program_);
}

}  // namespace ui
