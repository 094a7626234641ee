// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/Application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

#include "engine/scenes/ReadoutRow.h"

namespace ui {
namespace {

constexpr int kControlWindowMargin = 48;  // pixels from the screen's corner
constexpr int kControlFontPixels = 10;

}  // namespace

void ApplyControlLook() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(kControlFontPixels);
  QApplication::setFont(font);
}

Application::Application(const StartOptions& options)
    : settings_(QStringLiteral(APP_ID), QStringLiteral("relativity-train")),
      form2Window_(TrackWindowLayout(), language_),
      form1Window_(ControlWindowLayout(), language_),
      spacetimeWindow_(SpacetimeWindowLayout(), language_),
      aids_({form1Window_, form2Window_, spacetimeWindow_}, settings_, language_),
      core_({form1Window_, form2Window_, spacetimeWindow_, scheduler_, clock_, program_, language_,
             settings_, aids_}) {
  // Docks and task switchers tie the windows to the installed launcher.
  QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
  QCoreApplication::setApplicationName(QStringLiteral(APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" APP_ID ".svg")));
  // Never so small that the title and the readout row would leave the window.
  form2Window_.setLeastClientSize(engine::ReadoutRowLeastWidth(core_.form2().displayView()),
                                  kTrackWindowMinHeight);
  // Showing the picture leaves the keyboard with the control window.
  form2Window_.setAttribute(Qt::WA_ShowWithoutActivating);
  spacetimeWindow_.setAttribute(Qt::WA_ShowWithoutActivating);
  // A click on a control activates the control window; tips show in both anyway.
  form1Window_.setAttribute(Qt::WA_AlwaysShowToolTips);
  form2Window_.setAttribute(Qt::WA_AlwaysShowToolTips);
  spacetimeWindow_.setAttribute(Qt::WA_AlwaysShowToolTips);
  form1Window_.move(kControlWindowMargin, kControlWindowMargin);
  aids_.attach(core_, options.zoom);
  core_.start({options.palette, {}});
  aids_.showSwitches();
}

}  // namespace ui
