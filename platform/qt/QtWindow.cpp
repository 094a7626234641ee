#include "platform/qt/QtWindow.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "platform/Twips.h"

namespace platform {

QtWindow::QtWindow(float clientWidth, float clientHeight)
    : surface_([this](const QRect& area) { update(area); }) {
  setAttribute(Qt::WA_StaticContents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(ToWholePixels(clientWidth), ToWholePixels(clientHeight));
}

// Border and title bar, known once the window manager has framed the window.
QSize QtWindow::frameExtra() const {
  return frameGeometry().size() - size();
}

float QtWindow::left() const {
  return ToTwips(frameGeometry().x());
}
float QtWindow::top() const {
  return ToTwips(frameGeometry().y());
}
float QtWindow::width() const {
  return ToTwips(frameGeometry().width());
}
float QtWindow::height() const {
  return ToTwips(frameGeometry().height());
}

void QtWindow::setLeft(float twips) {
  move(ToWholePixels(twips), pos().y());
}
void QtWindow::setTop(float twips) {
  move(pos().x(), ToWholePixels(twips));
}

void QtWindow::setWidth(float twips) {
  resize(ToWholePixels(twips) - frameExtra().width(), size().height());
}

void QtWindow::setHeight(float twips) {
  resize(size().width(), ToWholePixels(twips) - frameExtra().height());
}

void QtWindow::paintEvent(QPaintEvent* event) {
  // Moved to a screen of another pixel ratio: the picture follows.
  surface_.resize(size(), devicePixelRatioF());
  QPainter painter(this);
  const QRect area = event->rect();
  const qreal ratio = surface_.image().devicePixelRatio();
  painter.drawImage(area, surface_.image(),
                    QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
}

void QtWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  surface_.resize(size(), devicePixelRatioF());
  if (resizeHandler_) resizeHandler_();
}

void QtWindow::closeEvent(QCloseEvent* event) {
  if (closeHandler_) {
    event->ignore();
    closeHandler_();
    return;
  }
  QWidget::closeEvent(event);
}

}  // namespace platform
