// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAction>
#include <QDialog>
#include <QImage>
#include <QPointer>
#include <QSettings>
#include <map>

#include "engine/Module1.h"
#include "engine/RunLoop.h"
#include "ui/Commands.h"
#include "ui/Keys.h"
#include "ui/qt/FormWindow.h"

namespace ui {

// The aids a teacher asks for, on both windows: their keys, the track
// window's menu, the list of keys, saving and copying the picture, and the
// choices that last from one start of the program to the next.
class TeachingAids final : public QObject {
 public:
  TeachingAids(engine::Module1& m, Commands& commands, const engine::RunLoop& runLoop,
               FormWindow& controlWindow, FormWindow& trackWindow,
               const platform::Language& language);

  // The palette, slow motion and zoom as the user last left them.
  void restoreChoices();

  // Both windows larger as a whole: 1 (as stored) to 3.
  void setZoom(double zoom);
  double zoom() const { return zoom_; }

  // The track window as the user sees it, readouts and title included, at
  // the screen's device resolution, with text naming what it shows.
  QImage picture() const;
  // relativity-train-<demonstration>-v<v>.png
  QString pictureName() const;

  QAction* action(KeyAction action) const { return actions_.at(action); }
  QDialog* keyList() const { return keyList_; }

 private:
  void addAction(const KeyHelp& key);
  void run(KeyAction action);
  void zoomStep(int steps);
  // An aid's key reaches its action whichever control has the keyboard: a
  // read-only box would otherwise keep the arrows for its cursor.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void savePicture();
  void showKeyList();

  engine::Module1& m_;
  Commands& commands_;
  const engine::RunLoop& runLoop_;
  const platform::Language& language_;
  FormWindow& control_;
  FormWindow& track_;
  QSettings settings_;
  std::map<KeyAction, QAction*> actions_;
  double zoom_ = 1;
  QPointer<QDialog> keyList_;
};

// Writes the picture whole or not at all; empty, or why it could not.
QString WritePicture(const QImage& picture, const QString& path);

}  // namespace ui
