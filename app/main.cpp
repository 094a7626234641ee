// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <optional>

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
  parser.addOption(
      {QStringLiteral("palette"),
       QCoreApplication::translate("Command line",
                                   "Start with these colours: projector (high contrast) or usual."),
       QStringLiteral("colours")});
  parser.addOption({QStringLiteral("zoom"),
                    QCoreApplication::translate(
                        "Command line", "Show both windows larger, in percent: 100 to 300."),
                    QStringLiteral("percent")});
}

// The language is read first, so that the help about the options is given in it.
QString requestedLanguage(const QStringList& arguments) {
  QCommandLineParser parser;
  describeOptions(parser);
  parser.parse(arguments);
  return parser.value(QStringLiteral("lang"));
}

// --palette, else the colours as the user last left them.
std::optional<engine::Palette> requestedPalette(const QCommandLineParser& parser) {
  return engine::PaletteNamed(parser.value(QStringLiteral("palette")).toStdString());
}

// --zoom 150 or 150%, else the zoom as the user last left it.
std::optional<double> requestedZoom(const QCommandLineParser& parser) {
  QString percent = parser.value(QStringLiteral("zoom"));
  if (percent.endsWith(u'%')) percent.chop(1);
  bool number = false;
  const double value = percent.toDouble(&number);
  if (!number) return std::nullopt;
  return value / 100;
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
  ui::Application program({requestedPalette(parser), requestedZoom(parser)});
  return QApplication::exec();
}
