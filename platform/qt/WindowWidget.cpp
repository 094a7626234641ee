// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/WindowWidget.h"

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

WindowWidget::WindowWidget(QSize clientPixels)
    : surface_([this](const QRect& area) { changed(area); }) {
  setAttribute(Qt::WA_StaticContents);
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(clientPixels);
  clientTwips_ = QSizeF(toTwips(clientPixels.width()), toTwips(clientPixels.height()));
  showChanges_.setSingleShot(true);
  showChanges_.setInterval(0);
  QObject::connect(&showChanges_, &QTimer::timeout, this, [this] {
    for (const PixelRect& area : changedSinceShown_.areas()) {
      update(area.x, area.y, area.width, area.height);
    }
    changedSinceShown_.clear();
  });
  frameWatch_.setInterval(kFrameLookInterval);
  QObject::connect(&frameWatch_, &QTimer::timeout, this, [this] {
    reapplyIfFrameChanged();
    if (!awaitingFrame() || --frameLooksLeft_ <= 0) frameWatch_.stop();
  });
}

// The picture is drawn at the stored scale; the window shows it zoomed.
void WindowWidget::changed(const QRect& area) {
  const QRect shown = QRectF(QPointF(area.topLeft()) * zoom_, QSizeF(area.size()) * zoom_)
                          .toAlignedRect()
                          .adjusted(-1, -1, 1, 1);
  changedSinceShown_.add({shown.x(), shown.y(), shown.width(), shown.height()});
  if (!showChanges_.isActive()) showChanges_.start();
}

int WindowWidget::toPixels(float twips) const {
  return ToWholePixels(twips, zoom_);
}

float WindowWidget::toTwips(int pixels) const {
  return ToTwips(pixels, zoom_);
}

void WindowWidget::setLeastClientSize(float widthTwips, float heightTwips) {
  leastWidth_ = widthTwips;
  leastHeight_ = heightTwips;
  setMinimumSize(toPixels(leastWidth_), toPixels(leastHeight_));
}

void WindowWidget::setZoom(double zoom) {
  if (zoom == zoom_) return;
  zoom_ = zoom;
  zooming_ = true;
  setMinimumSize(toPixels(leastWidth_), toPixels(leastHeight_));
  resize(toPixels(static_cast<float>(clientTwips_.width())),
         toPixels(static_cast<float>(clientTwips_.height())));
  zooming_ = false;
  resizeSurface();
  update();
}

// The image holds the client area at the stored scale, in device pixels of
// the screen times the zoom.
void WindowWidget::resizeSurface() {
  const QSize stored = (QSizeF(size()) / zoom_).toSize().grownBy(QMargins(0, 0, 1, 1));
  surface_.resize(stored, devicePixelRatioF() * zoom_);
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
  resizeSurface();
  QPainter painter(this);
  // The image's device pixels to the window's own pixels.
  const qreal ratio = surface_.image().devicePixelRatio() / zoom_;
  // Rectangle by rectangle, each its own clip: through a clip of several
  // rectangles (a frame changes bands along its moving lines) Qt fills
  // pixel spans, handing them to worker threads and waiting, where through
  // one it copies rows.
  for (const QRect& area : event->region()) {
    painter.setClipRect(area);
    painter.drawImage(area, surface_.image(),
                      QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
  }
}

void WindowWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!zooming_) clientTwips_ = QSizeF(toTwips(width()), toTwips(height()));
  resizeSurface();
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
