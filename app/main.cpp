// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "ui/qt/Application.h"

// The program reads no command line: Qt is handed the program name only.
int main(int /*argc*/, char* argv[]) {
  int qtArgc = 1;
  QApplication qt(qtArgc, argv);
  ui::ApplyControlLook();
  ui::Application program;
  return QApplication::exec();
}
