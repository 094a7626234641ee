// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTranslator>
#include <string>

namespace ui {

// The program's catalogue and Qt's own for one language, installed on the
// application while this object lives. The language is the one asked for,
// else the first of the system's (QLocale::system().uiLanguages(), which
// follows LANGUAGE and LANG) that the program speaks, else English.
class Translations {
 public:
  explicit Translations(const QString& requested = {});
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // "de", "pt_BR", or "en" when the program speaks English.
  const std::string& language() const { return language_; }

 private:
  std::string language_;
  QTranslator program_;
  QTranslator qt_;
};

}  // namespace ui
