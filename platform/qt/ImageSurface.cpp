#include "platform/qt/ImageSurface.h"

#include <QPainter>
#include <cmath>

#include "platform/Twips.h"

namespace platform {
namespace {

constexpr int kSixteenthsPerTurn = 360 * 16;

// Qt takes arc angles in sixteenths of a degree.
int toSixteenths(float radians) {
  return static_cast<int>(std::lround(static_cast<double>(radians) * 180.0 / M_PI * 16.0));
}

QPointF toPixels(float x, float y) {
  return {ToPixels(x), ToPixels(y)};
}

QPen penOf(Rgb colour, int width) {
  return QPen(ToQColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}  // namespace

QColor ToQColor(Rgb colour) {
  return {RedOf(colour), GreenOf(colour), BlueOf(colour)};
}

ImageSurface::ImageSurface(ChangedArea changed) : changed_(std::move(changed)) {}

void ImageSurface::resize(QSize logicalSize, qreal devicePixelRatio) {
  QSize deviceSize = (QSizeF(logicalSize) * devicePixelRatio).toSize();
  if (image_.size() == deviceSize && image_.devicePixelRatio() == devicePixelRatio) return;
  QImage grown(deviceSize.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
  grown.setDevicePixelRatio(devicePixelRatio);
  grown.fill(ToQColor(back_));
  if (!image_.isNull() && image_.devicePixelRatio() == devicePixelRatio) {
    QPainter painter(&grown);
    painter.drawImage(QPointF(0, 0), image_);
  }
  image_ = grown;
}

// A new background colour repaints the whole surface in it, as a window's
// background does; the same colour again leaves the picture alone.
void ImageSurface::setBackColor(Rgb colour) {
  if (colour == back_) return;
  back_ = colour;
  ClearSurface();
}

void ImageSurface::ClearSurface() {
  image_.fill(ToQColor(back_));
  if (changed_) changed_(QRect(QPoint(0, 0), image_.deviceIndependentSize().toSize()));
}

void ImageSurface::DrawCircle(float x, float y, float radius, Rgb colour) {
  if (image_.isNull()) return;
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QPointF centre = toPixels(x, y);
  const qreal r = ToPixels(std::fabs(radius));
  // A circle no wider than its pen is all pen: draw it as the disk the pen
  // covers, so a ring of the next size up erases it completely.
  if (r <= penWidth_) {
    const qreal outer = r + penWidth_ / 2.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(colour));
    painter.drawEllipse(centre, outer, outer);
    changed(QRectF(centre.x() - outer, centre.y() - outer, 2 * outer, 2 * outer));
    return;
  }
  painter.setPen(penOf(colour, penWidth_));
  painter.drawEllipse(centre, r, r);
  changed(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r));
}

void ImageSurface::DrawCircle(float x, float y, float radius, Rgb colour, float start, float end) {
  const int from = toSixteenths(start);
  int to = toSixteenths(end);
  if (end < start) to += kSixteenthsPerTurn;
  // Equal angles draw nothing: the first frame erases such arcs, and a stray
  // dot would be left behind.
  if (to == from || image_.isNull()) return;
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(penOf(colour, penWidth_));
  const QPointF centre = toPixels(x, y);
  const qreal r = ToPixels(std::fabs(radius));
  const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
  painter.drawArc(box, from, to - from);
  changed(box);
}

void ImageSurface::DrawLine(float x1, float y1, float x2, float y2, Rgb colour) {
  if (image_.isNull()) return;
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(penOf(colour, penWidth_));
  const QPointF a = toPixels(x1, y1);
  const QPointF b = toPixels(x2, y2);
  painter.drawLine(a, b);
  changed(QRectF(a, b).normalized());
}

void ImageSurface::DrawPoint(float x, float y, Rgb colour) {
  if (image_.isNull()) return;
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(penOf(colour, penWidth_));
  const QPointF p = toPixels(x, y);
  painter.drawPoint(p);
  changed(QRectF(p, p));
}

void ImageSurface::changed(const QRectF& shape) {
  if (!changed_) return;
  const int margin = penWidth_ + 2;
  changed_(shape.toAlignedRect().adjusted(-margin, -margin, margin, margin));
}

}  // namespace platform
