// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <memory>

#include "ui/qt/Application.h"
#include "ui/qt/Translations.h"

namespace {

void describeOptions(QCommandLineParser& parser) {
  parser.setApplicationDescription(QCoreApplication::translate(
      "Command line", "An interactive demonstration of special relativity for teaching."));
  parser.addHelpOption();
  parser.addOption(
      {QStringLiteral("lang"),
       QCoreApplication::translate("Command line",
                                   "Speak this language (de, fr, ...) instead of the system's."),
       QStringLiteral("code")});
}

// The language is read first, so that the help about the options is given in it.
QString requestedLanguage(const QStringList& arguments) {
  QCommandLineParser parser;
  describeOptions(parser);
  parser.parse(arguments);
  return parser.value(QStringLiteral("lang"));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication qt(argc, argv);
  const QStringList arguments = QCoreApplication::arguments();
  const ui::Translations translations(requestedLanguage(arguments));
  QCommandLineParser parser;
  describeOptions(parser);
  parser.process(arguments);
  ui::ApplyControlLook();
  ui::Application program;
  return QApplication::exec();
}
