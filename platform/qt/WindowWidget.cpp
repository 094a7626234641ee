// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/WindowWidget.h"

#include <QCloseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>

namespace platform {
namespace {

constexpr int kFrameLookInterval = 20;  // milliseconds
constexpr int kFrameLooks = 150;        // three seconds

}  // namespace

WindowWidget::WindowWidget(QSize clientPixels)
    : surface_([this](const QRect& area) { update(area); }) {
  setAttribute(Qt::WA_StaticContents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(clientPixels);
  frameWatch_.setInterval(kFrameLookInterval);
  QObject::connect(&frameWatch_, &QTimer::timeout, this, [this] {
    reapplyIfFrameChanged();
    if (!awaitingFrame() || --frameLooksLeft_ <= 0) frameWatch_.stop();
  });
}

void WindowWidget::requestOuterLeft(int pixels) {
  asked_.left = pixels;
  applyOuterRequest();
}
void WindowWidget::requestOuterTop(int pixels) {
  asked_.top = pixels;
  applyOuterRequest();
}
void WindowWidget::requestOuterWidth(int pixels) {
  asked_.width = pixels;
  applyOuterRequest();
}
void WindowWidget::requestOuterHeight(int pixels) {
  asked_.height = pixels;
  applyOuterRequest();
}

void WindowWidget::applyOuterRequest() {
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

bool WindowWidget::awaitingFrame() const {
  return asked_.left || asked_.top || asked_.width || asked_.height;
}

void WindowWidget::reapplyIfFrameChanged() {
  if (awaitingFrame() && windowHandle() && windowHandle()->frameMargins() != frameUsed_) {
    applyOuterRequest();
  }
}

void WindowWidget::paintEvent(QPaintEvent* event) {
  // Moved to a screen of another pixel ratio: the picture follows.
  surface_.resize(size(), devicePixelRatioF());
  QPainter painter(this);
  const QRect area = event->rect();
  const qreal ratio = surface_.image().devicePixelRatio();
  painter.drawImage(area, surface_.image(),
                    QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  surface_.resize(size(), devicePixelRatioF());
  if (resizeHandler_) resizeHandler_();
  reapplyIfFrameChanged();
}

void WindowWidget::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (awaitingFrame()) applyOuterRequest();
}

void WindowWidget::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  reapplyIfFrameChanged();
}

// The handler runs, and the close goes ahead as the toolkit's would: a close
// refused here would also refuse the application's own quit.
void WindowWidget::closeEvent(QCloseEvent* event) {
  if (closeHandler_) closeHandler_();
  QWidget::closeEvent(event);
}

}  // namespace platform
