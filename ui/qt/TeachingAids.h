// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QDialog>
#include <QImage>
#include <QPointer>
#include <map>
#include <optional>

#include "platform/Language.h"
#include "platform/Settings.h"
#include "ui/Keys.h"
#include "ui/ProgramCore.h"
#include "ui/qt/FormWindow.h"

namespace ui {

// The desktop's windows, as the aids reach them.
struct DesktopWindows {
  FormWindow& control;
  FormWindow& track;
  FormWindow& spacetime;
};

// The teaching aids on the desktop: their keys and the track window's menu,
// all made from the one table of keys, and the aids only a desktop has:
// saving and copying the picture, the list of keys, and zoom.
class TeachingAids final : public QObject, public Shell {
 public:
  TeachingAids(const DesktopWindows& windows, platform::Settings& settings,
               const platform::Language& language);

  // Makes the actions of every aid for the program's core, and takes the
  // zoom asked for, else as the user last left it.
  void attach(ProgramCore& core, std::optional<double> zoom);
  // The switches' marks in the menu, as the core has them.
  void showSwitches();

  void perform(KeyAction action) override;
  // The control window's line of announcements changes with each one, and
  // a screen reader hears the change; the track window's description is
  // the picture's text alternative.
  void announce(const std::string& text) override;
  void describePicture(const std::string& text) override;

  // Both windows larger as a whole: 1 (as stored) to 3.
  void setZoom(double zoom);
  double zoom() const { return zoom_; }

  // The track window as the user sees it, readouts and title included, at
  // the screen's device resolution, with text naming what it shows; the
  // diagram instead while it has the keyboard.
  QImage picture() const;
  // relativity-train-<demonstration>-v<v>.png, -spacetime before .png for
  // the diagram.
  QString pictureName() const;

  QAction* action(KeyAction action) const { return actions_.at(action); }
  QDialog* keyList() const { return keyList_; }

 private:
  void addAction(const KeyHelp& key);
  void zoomStep(int steps);
  void savePicture();
  void showKeyList();
  // Beside the track window, inside the screen, clear of the control window.
  void placeSpacetime();
  void putDiagramWherePlaced();
  bool diagramHasKeyboard() const;
  // An aid's key reaches its action whichever control has the keyboard: a
  // read-only box would otherwise keep the arrows for its cursor.
  bool eventFilter(QObject* watched, QEvent* event) override;

  FormWindow& control_;
  FormWindow& track_;
  FormWindow& spacetime_;
  platform::Settings& settings_;
  const platform::Language& language_;
  ProgramCore* core_ = nullptr;
  std::map<KeyAction, QAction*> actions_;
  QPointer<QDialog> keyList_;
  bool placeOnceFramed_ = false;  // placed before the window manager framed it
  double zoom_ = 1;
};

// Writes the picture whole or not at all; empty, or why it could not.
QString WritePicture(const QImage& picture, const QString& path);

}  // namespace ui
