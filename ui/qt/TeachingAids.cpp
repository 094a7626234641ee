// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/TeachingAids.h"

#include <QAccessible>
#include <QClipboard>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageWriter>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "platform/NumberText.h"
#include "platform/qt/QtLanguage.h"
#include "ui/Picture.h"
#include "ui/qt/KeyListText.h"

namespace ui {
namespace {

// The zooms Ctrl++ and Ctrl+- step through.
constexpr double kZooms[] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3};

// A key that a box with selected text answers itself: Ctrl+C copies the text.
bool copiesSelectedText(const QWidget* focus, const QKeySequence& key) {
  if (!key.matches(QKeySequence::Copy)) return false;
  if (const auto* line = qobject_cast<const QLineEdit*>(focus)) return line->hasSelectedText();
  if (const auto* text = qobject_cast<const QPlainTextEdit*>(focus)) {
    return text->textCursor().hasSelection();
  }
  return false;
}

}  // namespace

TeachingAids::TeachingAids(FormWindow& controlWindow, FormWindow& trackWindow,
                           platform::Settings& settings, const platform::Language& language)
    : control_(controlWindow), track_(trackWindow), settings_(settings), language_(language) {
  // Right click or the Menu key on the picture offers the same actions.
  track_.setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TeachingAids::attach(ProgramCore& core, std::optional<double> zoom) {
  core_ = &core;
  for (const KeyHelp& key : KeyList()) {
    if (key.onDesktop && key.action != KeyAction::None) addAction(key);
  }
  QCoreApplication::instance()->installEventFilter(this);
  const std::optional<std::string> kept = settings_.value("zoom");
  setZoom(zoom.value_or(kept ? QString::fromStdString(*kept).toDouble() : 1.0));
}

void TeachingAids::addAction(const KeyHelp& key) {
  auto* action = new QAction(platform::Translated(key.menu), this);
  QList<QKeySequence> shortcuts;
  for (const char* name : key.keys) {
    if (*name != '\0') shortcuts << QKeySequence::fromString(QString::fromLatin1(name));
  }
  action->setShortcuts(shortcuts);
  action->setShortcutVisibleInContextMenu(true);
  action->setCheckable(IsSwitch(key.action));
  connect(action, &QAction::triggered, this, [this, which = key.action] {
    core_->RunAid(which);
    showSwitches();
  });
  control_.addAction(action);
  track_.addAction(action);
  actions_[key.action] = action;
}

void TeachingAids::showSwitches() {
  for (const auto& [which, action] : actions_) {
    if (action->isCheckable()) action->setChecked(core_->AidIsOn(which));
  }
}

bool TeachingAids::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ShortcutOverride) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || (widget->window() != &control_ && widget->window() != &track_)) {
    return false;
  }
  const QKeySequence key(static_cast<QKeyEvent*>(event)->keyCombination());
  if (copiesSelectedText(widget, key)) return false;
  for (const auto& [which, action] : actions_) {
    if (action->shortcuts().contains(key)) {
      // Not the box's: the shortcut goes ahead.
      event->ignore();
      return true;
    }
  }
  return false;
}

void TeachingAids::setZoom(double zoom) {
  zoom_ = std::clamp(zoom, kZooms[0], std::end(kZooms)[-1]);
  control_.setZoom(zoom_);
  track_.setZoom(zoom_);
  // The track window stays under the control window, as Start puts it.
  if (track_.isVisible()) {
    track_.window().setTop(control_.window().top() + control_.window().height());
    track_.window().setLeft(control_.window().left());
  }
}

// The next zoom up or down the steps from where it is now.
void TeachingAids::zoomStep(int steps) {
  const auto* at = std::lower_bound(std::begin(kZooms), std::end(kZooms), zoom_ - 1e-9);
  const auto index =
      std::clamp<std::ptrdiff_t>(at - std::begin(kZooms) + steps, 0, std::ssize(kZooms) - 1);
  setZoom(kZooms[index]);
  settings_.setValue("zoom", QString::number(zoom_).toStdString());
}

void TeachingAids::announce([[maybe_unused]] const std::string& text) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)
  QAccessibleAnnouncementEvent event(&control_, QString::fromStdString(text));
  event.setPoliteness(QAccessible::AnnouncementPoliteness::Polite);
  QAccessible::updateAccessibility(&event);
#endif
}

void TeachingAids::describePicture(const std::string& text) {
  track_.setAccessibleDescription(QString::fromStdString(text));
}

void TeachingAids::perform(KeyAction action) {
  switch (action) {
    case KeyAction::SavePicture:
      savePicture();
      break;
    case KeyAction::CopyPicture:
      QGuiApplication::clipboard()->setImage(picture());
      break;
    case KeyAction::KeyList:
      showKeyList();
      break;
    case KeyAction::ZoomIn:
      zoomStep(1);
      break;
    case KeyAction::ZoomOut:
      zoomStep(-1);
      break;
    case KeyAction::UsualSize:
      zoomStep(-std::ssize(kZooms));
      break;
    default:  // the core's own, or the page's
      break;
  }
}

QImage TeachingAids::picture() const {
  QImage image = track_.grab().toImage();
  for (const PictureText& text :
       PictureTexts(core_->simulation(), core_->runLoop().frameOfRun(), language_)) {
    image.setText(QString::fromStdString(text.key), QString::fromStdString(text.value));
  }
  return image;
}

QString TeachingAids::pictureName() const {
  return QString::fromStdString(PictureName(core_->simulation()) + ".png");
}

// The picture is taken at once; the run goes on while the user chooses where
// it goes, since the dialog's own event loop runs the frames.
void TeachingAids::savePicture() {
  const QImage image = picture();
  QString folder = QString::fromStdString(settings_.value("pictureFolder").value_or(""));
  if (folder.isEmpty() || !QDir(folder).exists()) {
    folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
  }
  if (!QDir(folder).exists()) folder = QDir::homePath();
  const QString path = QFileDialog::getSaveFileName(
      &track_, QCoreApplication::translate("Picture", "Save the picture"),
      QDir(folder).filePath(pictureName()),
      QCoreApplication::translate("Picture", "PNG images (*.png)"));
  if (path.isEmpty()) return;
  const QString error = WritePicture(image, path);
  if (!error.isEmpty()) {
    QMessageBox::warning(&track_,
                         QCoreApplication::translate("Picture", "The picture was not saved"),
                         QCoreApplication::translate("Picture", "%1 could not be written: %2")
                             .arg(QDir::toNativeSeparators(path), error));
    return;
  }
  settings_.setValue("pictureFolder", QFileInfo(path).absolutePath().toStdString());
}

void TeachingAids::showKeyList() {
  if (keyList_ == nullptr) {
    keyList_ = new QDialog(&control_);
    keyList_->setWindowTitle(QCoreApplication::translate("Picture", "Keys and colours"));
    auto* text = new QLabel(KeyListHtml(core_->simulation().demonstrations), keyList_);
    text->setTextFormat(Qt::RichText);
    text->setWordWrap(true);
    text->setMinimumWidth(560);
    auto* layout = new QVBoxLayout(keyList_);
    layout->addWidget(text);
  }
  keyList_->show();
  keyList_->raise();
  keyList_->activateWindow();
}

QString WritePicture(const QImage& picture, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return file.errorString();
  QImageWriter writer(&file, "png");
  if (!writer.write(picture)) {
    file.cancelWriting();
    return writer.errorString();
  }
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace ui
