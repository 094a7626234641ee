// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/ImageSurface.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/ChangedAreas.h"
#include "platform/Shapes.h"
#include "platform/Twips.h"

namespace platform {
namespace {

QPointF toPixels(float x, float y) {
  return {ToPixels(x), ToPixels(y)};
}

// A disk's box on whole device pixels: there Qt fills it directly, seven
// times faster than a disk it must first turn into a path.
QRectF diskBox(QPointF centre, qreal radius, qreal ratio) {
  const auto onPixels = [ratio](qreal x) { return std::round(x * ratio) / ratio; };
  return {onPixels(centre.x() - radius), onPixels(centre.y() - radius), onPixels(2 * radius),
          onPixels(2 * radius)};
}

QPen penOf(Rgb colour, int width) {
  return QPen(ToQColor(colour), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

}  // namespace

QColor ToQColor(Rgb colour) {
  return {RedOf(colour), GreenOf(colour), BlueOf(colour)};
}

ImageSurface::ImageSurface(ChangedArea changed) : changed_(std::move(changed)) {}

// The image only grows, as the window's largest size so far: a window made
// smaller and larger again keeps its picture. A new pixel ratio (a move to
// another screen) scales the old picture into the new image.
void ImageSurface::resize(QSize logicalSize, qreal devicePixelRatio) {
  const QSize kept = image_.isNull() ? QSize() : image_.deviceIndependentSize().toSize();
  const QSize logical = logicalSize.expandedTo(kept).expandedTo(QSize(1, 1));
  if (logical == kept && image_.devicePixelRatio() == devicePixelRatio) return;
  QImage grown((QSizeF(logical) * devicePixelRatio).toSize(), QImage::Format_RGB32);
  grown.setDevicePixelRatio(devicePixelRatio);
  grown.fill(ToQColor(back_));
  if (!image_.isNull()) {
    QPainter painter(&grown);
    painter.drawImage(QRectF(QPointF(0, 0), image_.deviceIndependentSize()), image_);
  }
  image_ = grown;
  ground_ = {};
}

// A new background colour repaints the whole surface in it, as a window's
// background does; the same colour again leaves the picture alone.
void ImageSurface::setBackColor(Rgb colour) {
  if (colour == back_) return;
  back_ = colour;
  ClearSurface();
}

void ImageSurface::ClearSurface() {
  ground_ = {};
  image_.fill(ToQColor(back_));
  if (changed_) changed_(QRect(QPoint(0, 0), image_.deviceIndependentSize().toSize()));
}

// One shape, without antialiasing, in the pen of the given colour; false
// when there is no image to draw on.
template <typename Draw>
bool ImageSurface::drawWith(Rgb colour, Draw draw) {
  if (image_.isNull()) return false;
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(penOf(colour, penWidth_));
  draw(painter);
  return true;
}

// As drawWith, where draw returns the area it covered so only that is
// repainted.
template <typename Draw>
void ImageSurface::paint(Rgb colour, Draw draw) {
  QRectF covered;
  if (drawWith(colour, [&](QPainter& painter) { covered = draw(painter); })) changed(covered);
}

void ImageSurface::DrawCircle(float x, float y, float radius, Rgb colour) {
  const QPointF centre = toPixels(x, y);
  const qreal r = ToPixels(std::fabs(radius));
  paint(colour, [&](QPainter& painter) {
    const auto [disk, drawn] = CircleOf(r, penWidth_);
    if (disk) {
      const QRectF box = diskBox(centre, drawn, image_.devicePixelRatio());
      painter.setPen(Qt::NoPen);
      painter.setBrush(ToQColor(colour));
      painter.drawEllipse(box);
      return box;
    }
    painter.drawEllipse(centre, drawn, drawn);
    return QRectF(centre.x() - drawn, centre.y() - drawn, 2 * drawn, 2 * drawn);
  });
}

void ImageSurface::DrawCircle(float x, float y, float radius, Rgb colour, float start, float end) {
  const std::optional<ArcSweep> arc = SweepOf(start, end);
  if (!arc) return;
  const QPointF centre = toPixels(x, y);
  const qreal r = ToPixels(std::fabs(radius));
  paint(colour, [&](QPainter& painter) {
    // Qt takes arc angles in sixteenths of a degree too.
    const QRectF box(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    painter.drawArc(box, arc->from, arc->sweep);
    return box;
  });
}

void ImageSurface::DrawLine(float x1, float y1, float x2, float y2, Rgb colour) {
  const QPointF a = toPixels(x1, y1);
  const QPointF b = toPixels(x2, y2);
  const qreal ratio = image_.devicePixelRatio();
  const bool drawn = drawWith(colour, [&](QPainter& painter) {
    // Flat, with a disk at each end for its round cap: Qt strokes a round
    // cap through curves, which makes a line twice as dear.
    QPen pen = painter.pen();
    pen.setCapStyle(Qt::FlatCap);
    painter.setPen(pen);
    painter.drawLine(a, b);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ToQColor(colour));
    painter.drawEllipse(diskBox(a, penWidth_ / 2.0, ratio));
    painter.drawEllipse(diskBox(b, penWidth_ / 2.0, ratio));
  });
  // Within half the pen and a rounding pixel of the line, and a pixel more.
  const qreal reach = (penWidth_ / 2.0 + 2) * ratio;
  if (drawn) changedAlong(Band(a.x() * ratio, a.y() * ratio, b.x() * ratio, b.y() * ratio, reach));
}

void ImageSurface::DrawPoint(float x, float y, Rgb colour) {
  const QPointF p = toPixels(x, y);
  paint(colour, [&](QPainter& painter) {
    painter.drawPoint(p);
    return QRectF(p, p);
  });
}

void ImageSurface::KeepGround() {
  if (image_.isNull()) return;
  ground_ =
      GroundRuns(reinterpret_cast<const QRgb*>(image_.constBits()), image_.width(), image_.height(),
                 image_.bytesPerLine() / qsizetype{sizeof(QRgb)}, ToQColor(back_).rgb());
}

bool ImageSurface::HasGround() const {
  return !ground_.empty() && ground_.width() == image_.width() &&
         ground_.height() == image_.height();
}

// Row by row, no painter, so putting back the ground under a moving shape
// costs little more than the pixels it moves.
void ImageSurface::RestoreGround(float x1, float y1, float x2, float y2, float reach) {
  if (!HasGround()) return;
  const qreal ratio = image_.devicePixelRatio();
  const QPointF a = toPixels(x1, y1) * ratio, b = toPixels(x2, y2) * ratio;
  const Band band(a.x(), a.y(), b.x(), b.y(), std::fabs(ToPixels(reach)) * ratio);
  ground_.restore(reinterpret_cast<QRgb*>(image_.bits()),
                  image_.bytesPerLine() / qsizetype{sizeof(QRgb)}, band);
  changedAlong(band);
}

void ImageSurface::recolour(ColourMap map) {
  back_ = Mapped(map, back_);
  if (image_.isNull()) return;
  for (int y = 0; y < image_.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    for (int x = 0; x < image_.width(); ++x) {
      const Rgb pixel = RGB(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
      const Rgb mapped = Mapped(map, pixel);
      if (mapped != pixel) line[x] = ToQColor(mapped).rgb();
    }
  }
  ground_.recolour([map](QRgb pixel) {
    return ToQColor(Mapped(map, RGB(qRed(pixel), qGreen(pixel), qBlue(pixel)))).rgb();
  });
  if (changed_) changed_(QRect(QPoint(0, 0), image_.deviceIndependentSize().toSize()));
}

void ImageSurface::changed(const QRectF& shape) {
  if (!changed_) return;
  const int margin = penWidth_ + 2;
  changed_(shape.toAlignedRect().adjusted(-margin, -margin, margin, margin));
}

// A band in device pixels, as boxes along it in the window's own pixels.
void ImageSurface::changedAlong(const Band& band) {
  if (!changed_) return;
  const qreal ratio = image_.devicePixelRatio();
  band.boxes(kChangedBandRows, image_.height(), [&](RowSpan span, int from, int to) {
    const int left = static_cast<int>(std::floor(std::floor(span.first) / ratio));
    const int right = static_cast<int>(std::ceil(std::ceil(span.last) / ratio));
    const int upper = static_cast<int>(std::floor(from / ratio));
    changed_(QRect(left, upper, right - left, static_cast<int>(std::ceil(to / ratio)) - upper));
  });
}

}  // namespace platform
