// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/Application.h"

#include <QApplication>
#include <QFont>
#include <QIcon>
#include <QStyleFactory>

#include "engine/scenes/ReadoutRow.h"
#include "ui/ControlHelp.h"

namespace ui {
namespace {

constexpr int kControlWindowMargin = 48;  // pixels from the screen's corner
constexpr int kControlFontPixels = 10;

ControlLookup lookupIn(FormWindow& window) {
  return [&window](std::string_view name) -> platform::Control& { return window.control(name); };
}

}  // namespace

void ApplyControlLook() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(kControlFontPixels);
  QApplication::setFont(font);
}

Application::Application(const StartOptions& options)
    : form2Window_(TrackWindowLayout(), language_),
      form1Window_(ControlWindowLayout(), language_),
      form1_(Form1::Bind(form1Window_.window(), lookupIn(form1Window_))),
      form2_(Form2::Bind(form2Window_.window(), lookupIn(form2Window_))),
      runLoop_(module_, form1_.panelView(), form2_.displayView(), scheduler_, clock_, program_,
               language_),
      commands_(module_, form1_, form2_, runLoop_, program_, language_),
      aids_(module_, commands_, runLoop_, form1Window_, form2Window_, language_) {
  // Docks and task switchers tie the windows to the installed launcher.
  QGuiApplication::setDesktopFileName(QStringLiteral(APP_ID));
  QCoreApplication::setApplicationName(QStringLiteral(APP_ID));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/" APP_ID ".svg")));
  // Never so small that the title and the readout row would leave the window.
  form2Window_.setLeastClientSize(engine::ReadoutRowLeastWidth(form2_.displayView()),
                                  kTrackWindowMinHeight);
  // Showing the picture leaves the keyboard with the control window.
  form2Window_.setAttribute(Qt::WA_ShowWithoutActivating);
  // A click on a control activates the control window; tips show in both anyway.
  form1Window_.setAttribute(Qt::WA_AlwaysShowToolTips);
  form2Window_.setAttribute(Qt::WA_AlwaysShowToolTips);
  connectHandlers();
  ApplyHelp(form1Window_, ControlWindowHelp(), language_);
  ApplyHelp(form2Window_, TrackWindowHelp(), language_);
  form1Window_.move(kControlWindowMargin, kControlWindowMargin);
  aids_.restoreChoices();
  if (options.palette && *options.palette != module_.palette) commands_.SwitchPalette();
  if (options.zoom) aids_.setZoom(*options.zoom);
  commands_.Form1_Load();
  form1Window_.show();
}

void Application::connectHandlers() {
  Commands& c = commands_;
  for (const ClickHandler& click : Commands::ClickHandlers()) {
    form1Window_.onClick(click.control, [&c, handler = click.handler] { (c.*handler)(); });
  }
  form1Window_.onResize([&c] { c.Form_Resize(); });
  form2Window_.onResize([&c] { c.Form2_Resize(); });
  // Closing the control window ends the program, as "Cancel" does; the
  // track window hides, and "Start" or "Select" shows it again.
  form1Window_.onClose([&c] { c.CommandCancel_Click(); });
  form2Window_.onClose([&c] { c.Form2_Close(); });
}

}  // namespace ui
