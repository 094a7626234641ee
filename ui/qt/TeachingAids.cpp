// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/TeachingAids.h"

#include <QAccessible>
#include <QApplication>
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
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <iterator>

#include "platform/NumberText.h"
#include "platform/qt/QtLanguage.h"
#include "ui/Picture.h"
#include "ui/qt/KeyListText.h"

namespace ui {
namespace {

// How long a window manager may take to frame a window, in milliseconds.
constexpr int kFramingWait = 250;

bool framed(const QWidget& window) {
  return window.frameGeometry().size() != window.size();
}

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

TeachingAids::TeachingAids(const DesktopWindows& windows, platform::Settings& settings,
                           const platform::Language& language)
    : control_(windows.control),
      track_(windows.track),
      spacetime_(windows.spacetime),
      settings_(settings),
      language_(language) {
  // Right click or the Menu key on the picture or the diagram offers the
  // same actions.
  track_.setContextMenuPolicy(Qt::ActionsContextMenu);
  spacetime_.setContextMenuPolicy(Qt::ActionsContextMenu);
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
  spacetime_.addAction(action);
  actions_[key.action] = action;
}

void TeachingAids::showSwitches() {
  for (const auto& [which, action] : actions_) {
    if (action->isCheckable()) action->setChecked(core_->AidIsOn(which));
  }
}

bool TeachingAids::eventFilter(QObject* watched, QEvent* event) {
  // The diagram follows the track window as Start shows it, the window
  // manager frames it or the user moves or resizes it, once its new frame
  // is known.
  const auto type = event->type();
  if (watched == &track_ &&
      (type == QEvent::Show || type == QEvent::Resize || type == QEvent::Move)) {
    QTimer::singleShot(0, this, [this] {
      if (spacetime_.isVisible()) placeSpacetime();
    });
    return false;
  }
  if (watched == &spacetime_ && placeOnceFramed_ &&
      (type == QEvent::Move || type == QEvent::Show)) {
    QTimer::singleShot(0, this, [this] { putDiagramWherePlaced(); });
    return false;
  }
  if (type != QEvent::ShortcutOverride) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || (widget->window() != &control_ && widget->window() != &track_ &&
                            widget->window() != &spacetime_)) {
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
  spacetime_.setZoom(zoom_);
  // The track window stays under the control window, as Start puts it.
  if (track_.isVisible()) {
    track_.window().setTop(control_.window().top() + control_.window().height());
    track_.window().setLeft(control_.window().left());
  }
  if (spacetime_.isVisible()) placeSpacetime();
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
    case KeyAction::Spacetime:
      if (spacetime_.isVisible()) placeSpacetime();
      break;
    default:  // the core's own, or the page's
      break;
  }
}

// Tried in turn: right of the track window, its top or its foot level with
// the track window's, left of it, below it. When none fits the screen clear
// of the control window, the diagram shrinks into the room right of the
// track window or below it, and as a last resort (a screen too small for
// the three) lies inside the screen below the control window.
void TeachingAids::placeSpacetime() {
  constexpr int kGap = 8;          // pixels between two windows' frames
  constexpr int kLeastSide = 240;  // pixels; below this a diagram cannot be read
  const QRect screen = track_.screen()->availableGeometry();
  const QRect control = control_.frameGeometry();
  // Where Start puts the track window when it is not shown yet.
  QRect track = track_.frameGeometry();
  if (!track_.isVisible()) track.moveTopLeft(control.bottomLeft() + QPoint(0, 1));
  // The frame the window manager adds, as it is round a window it has
  // framed already: the diagram's own may not be known yet.
  const QWidget& framedOne = track_.isVisible() ? static_cast<QWidget&>(track_) : control_;
  const QSize frame = framedOne.frameGeometry().size() - framedOne.size();
  QSize size = spacetime_.size() + frame;
  const auto fits = [&](const QRect& r) { return screen.contains(r) && !r.intersects(control); };
  const QPoint tries[] = {{track.right() + 1 + kGap, track.top()},
                          {track.right() + 1 + kGap, track.bottom() + 1 - size.height()},
                          {track.left() - kGap - size.width(), track.top()},
                          {track.left(), track.bottom() + 1 + kGap}};
  std::optional<QRect> place;
  for (const QPoint& at : tries) {
    if (fits(QRect(at, size))) {
      place = QRect(at, size);
      break;
    }
  }
  // Shrunk into the room right of the track window, or below it.
  for (const QPoint& at : {QPoint(track.right() + 1 + kGap, std::max(screen.top(), track.top())),
                           QPoint(track.left(), track.bottom() + 1 + kGap)}) {
    if (place) break;
    const QSize room(screen.right() + 1 - at.x(), screen.bottom() + 1 - at.y());
    const QRect shrunk(at, size.boundedTo(room));
    if (shrunk.width() - frame.width() >= kLeastSide &&
        shrunk.height() - frame.height() >= kLeastSide && fits(shrunk)) {
      place = shrunk;
    }
  }
  if (!place) {
    const QSize room(screen.width(), screen.bottom() - control.bottom() - kGap);
    const QRect below(QPoint(screen.left(), control.bottom() + 1 + kGap), size.boundedTo(room));
    place = below.translated(screen.right() - below.right(), 0);
  }
  spacetime_.resize(place->size() - frame);
  spacetime_.move(place->topLeft());
  // Until the window manager has framed the windows, their frames are
  // guesses and a move may place the client area instead: once framed, the
  // diagram is placed again.
  if (!framed(spacetime_)) {
    placeOnceFramed_ = true;
    QTimer::singleShot(kFramingWait, this, [this] { putDiagramWherePlaced(); });
  }
}

void TeachingAids::putDiagramWherePlaced() {
  if (!placeOnceFramed_ || !framed(spacetime_) || !spacetime_.isVisible()) return;
  placeOnceFramed_ = false;
  placeSpacetime();
}

bool TeachingAids::diagramHasKeyboard() const {
  return spacetime_.isVisible() && QApplication::activeWindow() == &spacetime_;
}

QImage TeachingAids::picture() const {
  QImage image = (diagramHasKeyboard() ? spacetime_ : track_).grab().toImage();
  for (const PictureText& text :
       PictureTexts(core_->simulation(), core_->runLoop().frameOfRun(), language_)) {
    image.setText(QString::fromStdString(text.key), QString::fromStdString(text.value));
  }
  return image;
}

QString TeachingAids::pictureName() const {
  const std::string name = PictureName(core_->simulation());
  return QString::fromStdString(diagramHasKeyboard() ? name + "-spacetime.png" : name + ".png");
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
