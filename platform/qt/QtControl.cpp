#include "platform/qt/QtControl.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "platform/Twips.h"
#include "platform/qt/ImageSurface.h"

namespace platform {

QtControl::QtControl(QWidget* widget, Kind kind, float left, float top, float width, float height)
    : widget_(widget), kind_(kind), left_(left), top_(top), width_(width), height_(height) {
  widget_->setFixedSize(ToWholePixels(width), ToWholePixels(height));
  place();
}

void QtControl::onClick(std::function<void()> action) {
  click_ = std::move(action);
  if (auto* button = qobject_cast<QAbstractButton*>(widget_)) {
    QObject::connect(button, &QAbstractButton::clicked, button, [this] { click_(); });
    return;
  }
  widget_->installEventFilter(this);
}

bool QtControl::eventFilter(QObject* watched, QEvent* event) {
  if (watched == widget_ && event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() == Qt::LeftButton &&
        widget_->rect().contains(mouse->position().toPoint())) {
      click_();
    }
  }
  return false;
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
      return;
    case Kind::TextBox:
      static_cast<QLineEdit*>(widget_.data())->setText(value);
      return;
    case Kind::MultiLineTextBox: {
      // Lines end in CR LF in the program's texts; the box shows plain lines.
      QString lines = value;
      lines.remove('\r');
      if (lines.endsWith('\n')) lines.chop(1);
      static_cast<QPlainTextEdit*>(widget_.data())->setPlainText(lines);
      return;
    }
    case Kind::Label:
      static_cast<QLabel*>(widget_.data())->setText(value);
      return;
  }
}

// Shown or hidden of its own, whether or not its window is on the screen.
bool QtControl::isVisible() const {
  return !widget_->isHidden();
}

void QtControl::setVisible(bool visible) {
  widget_->setVisible(visible);
}

void QtControl::setBackColor(Rgb colour) {
  QPalette palette = widget_->palette();
  const QColor qcolour = ToQColor(colour);
  palette.setColor(QPalette::Window, qcolour);
  palette.setColor(QPalette::Button, qcolour);
  widget_->setPalette(palette);
  widget_->setAutoFillBackground(kind_ == Kind::Label);
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
  widget_->move(ToWholePixels(left_), ToWholePixels(top_));
}

}  // namespace platform
