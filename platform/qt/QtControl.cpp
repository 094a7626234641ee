// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtControl.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "platform/Shapes.h"
#include "platform/qt/ImageSurface.h"

namespace platform {

QtControl::QtControl(QWidget* widget, Kind kind, float left, float top, float width, float height,
                     const WindowWidget& window)
    : widget_(widget),
      kind_(kind),
      left_(left),
      top_(top),
      width_(width),
      height_(height),
      window_(window) {
  rescale();
}

void QtControl::rescale() {
  widget_->setFixedSize(window_.toPixels(width_), window_.toPixels(height_));
  place();
}

namespace {

bool isPressKey(const QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const int key = static_cast<const QKeyEvent*>(event)->key();
  return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
}

// A label that takes the keyboard shows where it is with a plain frame.
void showFocus(QWidget* widget, bool focused) {
  if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setFrameStyle(focused ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
  }
}

}  // namespace

void QtControl::onClick(std::function<void()> action) {
  click_ = std::move(action);
  if (auto* button = qobject_cast<QAbstractButton*>(widget_)) {
    QObject::connect(button, &QAbstractButton::clicked, button, [this] { click_(); });
  } else {
    widget_->setFocusPolicy(Qt::StrongFocus);
  }
  widget_->installEventFilter(this);
}

bool QtControl::eventFilter(QObject* watched, QEvent* event) {
  if (watched != widget_) return false;
  const bool button = kind_ == Kind::Button;
  if (isPressKey(event)) {
    // A button presses itself on Space; Return presses it too.
    if (!button) {
      click_();
    } else if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Space) {
      static_cast<QAbstractButton*>(widget_.data())->animateClick();
    } else {
      return false;
    }
    return true;
  }
  if (button) return false;
  if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
    showFocus(widget_, event->type() == QEvent::FocusIn);
  } else if (event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton &&
        widget_->rect().contains(mouse->position().toPoint())) {
      click_();
    }
  }
  return false;
}

void QtControl::nameWithText(std::string name) {
  accessiblePrefix_ = std::move(name);
  updateAccessibleName();
}

void QtControl::setAccessibleName(const std::string& name) {
  widget_->setAccessibleName(QString::fromStdString(name));
}

void QtControl::setTip(const std::string& tip) {
  widget_->setToolTip(QString::fromStdString(tip));
}

void QtControl::updateAccessibleName() {
  if (accessiblePrefix_.empty()) return;
  widget_->setAccessibleName(QString::fromStdString(accessiblePrefix_) + u' ' +
                             QString::fromStdString(text()).trimmed());
}

std::string QtControl::text() const {
  switch (kind_) {
    case Kind::Button:
      return static_cast<QAbstractButton*>(widget_.data())->text().toStdString();
    case Kind::TextBox:
      return static_cast<QLineEdit*>(widget_.data())->text().toStdString();
    case Kind::MultiLineTextBox:
      return static_cast<QPlainTextEdit*>(widget_.data())
          ->toPlainText()
          .replace('\n', QStringLiteral("\r\n"))
          .toStdString();
    case Kind::Label:
      return static_cast<QLabel*>(widget_.data())->text().toStdString();
  }
  return {};
}

void QtControl::setText(const std::string& text) {
  const QString value = QString::fromStdString(text);
  switch (kind_) {
    case Kind::Button:
      static_cast<QAbstractButton*>(widget_.data())->setText(value);
      break;
    case Kind::TextBox:
      static_cast<QLineEdit*>(widget_.data())->setText(value);
      break;
    case Kind::MultiLineTextBox:
      static_cast<QPlainTextEdit*>(widget_.data())
          ->setPlainText(QString::fromStdString(PlainLines(text)));
      break;
    case Kind::Label:
      static_cast<QLabel*>(widget_.data())->setText(value);
      break;
  }
  updateAccessibleName();
}

// Shown or hidden of its own, whether or not its window is on the screen.
bool QtControl::isVisible() const {
  return !widget_->isHidden();
}

void QtControl::setVisible(bool visible) {
  widget_->setVisible(visible);
}

void QtControl::setBackColor(Rgb colour) {
  setColour({QPalette::Window, QPalette::Button}, colour);
  widget_->setAutoFillBackground(kind_ == Kind::Label);
}

void QtControl::setForeColor(Rgb colour) {
  setColour({QPalette::WindowText, QPalette::Text}, colour);
}

void QtControl::setColour(std::initializer_list<QPalette::ColorRole> roles, Rgb colour) {
  QPalette palette = widget_->palette();
  for (QPalette::ColorRole role : roles) palette.setColor(role, ToQColor(colour));
  widget_->setPalette(palette);
}

void QtControl::setLeft(float twips) {
  left_ = twips;
  place();
}

void QtControl::setTop(float twips) {
  top_ = twips;
  place();
}

void QtControl::place() {
  widget_->move(window_.toPixels(left_), window_.toPixels(top_));
}

}  // namespace platform
