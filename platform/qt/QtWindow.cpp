// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtWindow.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

#include "platform/Twips.h"

namespace platform {
namespace {

constexpr int kFrameLookInterval = 20;  // milliseconds
constexpr int kFrameLooks = 150;        // three seconds

}  // namespace

QtWindow::QtWindow(float clientWidth, float clientHeight)
    : surface_([this](const QRect& area) { update(area); }) {
  setAttribute(Qt::WA_StaticContents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(ToWholePixels(clientWidth), ToWholePixels(clientHeight));
  frameWatch_.setInterval(kFrameLookInterval);
  QObject::connect(&frameWatch_, &QTimer::timeout, this, [this] {
    reapplyIfFrameChanged();
    if (!awaitingFrame() || --frameLooksLeft_ <= 0) frameWatch_.stop();
  });
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
  asked_.left = ToWholePixels(twips);
  applyOuterRequest();
}
void QtWindow::setTop(float twips) {
  asked_.top = ToWholePixels(twips);
  applyOuterRequest();
}
void QtWindow::setWidth(float twips) {
  asked_.width = ToWholePixels(twips);
  applyOuterRequest();
}
void QtWindow::setHeight(float twips) {
  asked_.height = ToWholePixels(twips);
  applyOuterRequest();
}

void QtWindow::applyOuterRequest() {
  const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
  QSize client = size();
  if (asked_.width) client.setWidth(*asked_.width - frame.left() - frame.right());
  if (asked_.height) client.setHeight(*asked_.height - frame.top() - frame.bottom());
  resize(client);
  // A top-level widget's position is that of its frame.
  if (asked_.left || asked_.top) move(asked_.left.value_or(x()), asked_.top.value_or(y()));
  frameUsed_ = frame;
  if (!frame.isNull()) {
    asked_ = {};
  } else if (isVisible() && !frameWatch_.isActive()) {
    frameLooksLeft_ = kFrameLooks;
    frameWatch_.start();
  }
}

bool QtWindow::awaitingFrame() const {
  return asked_.left || asked_.top || asked_.width || asked_.height;
}

void QtWindow::reapplyIfFrameChanged() {
  if (awaitingFrame() && windowHandle() && windowHandle()->frameMargins() != frameUsed_) {
    applyOuterRequest();
  }
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
  reapplyIfFrameChanged();
}

void QtWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (awaitingFrame()) applyOuterRequest();
}

void QtWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  reapplyIfFrameChanged();
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
