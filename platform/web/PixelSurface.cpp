// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/PixelSurface.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/Shapes.h"
#include "platform/Twips.h"

namespace platform {
namespace {

constexpr double kPi = 3.14159265358979323846;

std::uint32_t opaque(Rgb colour) {
  return colour | 0xFF000000U;  // RGBA bytes in memory: R, G, B, then alpha
}

// Whether a pixel centre lies within the pen's reach of a circle. Squared
// distances decide, so a pixel on the edge goes the same way however often
// the circle is drawn.
struct Ring {
  double cx, cy, r, half;

  bool covers(double px, double py) const {
    const double inner = r - half;
    const double d2 = (px - cx) * (px - cx) + (py - cy) * (py - cy);
    return d2 <= (r + half) * (r + half) && d2 >= inner * inner;
  }
};

// Squared, as the disks and rings decide: no square root for each pixel.
double squaredDistanceToSegment(double px, double py, double x1, double y1, double x2, double y2) {
  const double dx = x2 - x1;
  const double dy = y2 - y1;
  const double length2 = dx * dx + dy * dy;
  double t = length2 > 0 ? ((px - x1) * dx + (py - y1) * dy) / length2 : 0.0;
  t = std::clamp(t, 0.0, 1.0);
  const double ex = px - (x1 + t * dx), ey = py - (y1 + t * dy);
  return ex * ex + ey * ey;
}

// The changed area of a shape goes out band by band of rows, each as wide as
// what its rows changed: a long slanting line changes a narrow strip, not
// its whole box.
class ChangedBands {
 public:
  explicit ChangedBands(const PixelSurface::ChangedArea& changed) : changed_(changed) {}
  ~ChangedBands() { report(); }
  ChangedBands(const ChangedBands&) = delete;
  ChangedBands& operator=(const ChangedBands&) = delete;

  // Row y changed from first to last.
  void changed(int y, int first, int last) {
    if (left_ <= right_ && y - top_ >= kChangedBandRows) report();
    if (left_ > right_) top_ = y;
    left_ = std::min(left_, first);
    right_ = std::max(right_, last);
    bottom_ = y;
  }

 private:
  void report() {
    if (changed_ && left_ <= right_)
      changed_({left_, top_, right_ - left_ + 1, bottom_ - top_ + 1});
    left_ = std::numeric_limits<int>::max();
    right_ = std::numeric_limits<int>::min();
  }

  const PixelSurface::ChangedArea& changed_;
  int top_ = 0, bottom_ = 0;
  int left_ = std::numeric_limits<int>::max(), right_ = std::numeric_limits<int>::min();
};

}  // namespace

PixelSurface::PixelSurface(ChangedArea changed) : changed_(std::move(changed)) {}

double PixelSurface::toPixels(float twips) const {
  return static_cast<double>(twips) / kTwipsPerPixel * ratio_;
}

void PixelSurface::setRatio(double ratio) {
  if (!(ratio > 0) || ratio == ratio_) return;
  const double scale = ratio / ratio_;
  const int width = static_cast<int>(std::lround(width_ * scale));
  const int height = static_cast<int>(std::lround(height_ * scale));
  std::vector<std::uint32_t> scaled(static_cast<std::size_t>(width) * height, opaque(back_));
  // Each new pixel takes the old pixel under its centre.
  for (int y = 0; y < height; ++y) {
    const int from = std::min(height_ - 1, static_cast<int>((y + 0.5) / scale));
    for (int x = 0; x < width; ++x) {
      const int across = std::min(width_ - 1, static_cast<int>((x + 0.5) / scale));
      scaled[static_cast<std::size_t>(y) * width + x] =
          pixels_[static_cast<std::size_t>(from) * width_ + across];
    }
  }
  pixels_ = std::move(scaled);
  ground_ = {};
  width_ = width;
  height_ = height;
  ratio_ = ratio;
  if (changed_) changed_({0, 0, width_, height_});
}

void PixelSurface::resize(int width, int height) {
  const int grownWidth = std::max({width, width_, 1});
  const int grownHeight = std::max({height, height_, 1});
  if (grownWidth == width_ && grownHeight == height_) return;
  std::vector<std::uint32_t> grown(static_cast<std::size_t>(grownWidth) * grownHeight,
                                   opaque(back_));
  for (int y = 0; y < height_; ++y) {
    std::copy_n(pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_, width_,
                grown.begin() + static_cast<std::ptrdiff_t>(y) * grownWidth);
  }
  pixels_ = std::move(grown);
  ground_ = {};
  width_ = grownWidth;
  height_ = grownHeight;
  if (changed_) changed_({0, 0, width_, height_});
}

Rgb PixelSurface::pixel(int x, int y) const {
  return pixels_[static_cast<std::size_t>(y) * width_ + x] & 0xFFFFFFU;
}

// A new background colour repaints the whole surface in it, as a window's
// background does; the same colour again leaves the picture alone.
void PixelSurface::setBackColor(Rgb colour) {
  if (colour == back_) return;
  back_ = colour;
  ClearSurface();
}

void PixelSurface::recolour(ColourMap map) {
  back_ = Mapped(map, back_);
  for (std::uint32_t& pixel : pixels_) pixel = opaque(Mapped(map, pixel & 0xFFFFFFU));
  ground_.recolour([map](std::uint32_t pixel) { return opaque(Mapped(map, pixel & 0xFFFFFFU)); });
  if (changed_) changed_({0, 0, width_, height_});
}

void PixelSurface::ClearSurface() {
  ground_ = {};
  std::fill(pixels_.begin(), pixels_.end(), opaque(back_));
  if (changed_) changed_({0, 0, width_, height_});
}

template <typename Covers>
void PixelSurface::fill(double left, double top, double right, double bottom, Rgb colour,
                        Covers covers) {
  fillSpans(left, top, right, bottom, colour, covers,
            [&](double, int first, int last, auto visit) { visit(first, last); });
}

// Only the pixels of a row's spans are tested; the test alone decides, so a
// span may be wider than the shape but never narrower.
template <typename Covers, typename Spans>
void PixelSurface::fillSpans(double left, double top, double right, double bottom, Rgb colour,
                             Covers covers, Spans spans) {
  const int x0 = std::max(0, static_cast<int>(std::floor(left)));
  const int y0 = std::max(0, static_cast<int>(std::floor(top)));
  const int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(right)));
  const int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(bottom)));
  if (x0 > x1 || y0 > y1) return;
  const std::uint32_t value = opaque(colour);
  ChangedBands bands(changed_);
  for (int y = y0; y <= y1; ++y) {
    std::uint32_t* row = pixels_.data() + static_cast<std::ptrdiff_t>(y) * width_;
    spans(y + 0.5, x0, x1, [&](int first, int last) {
      const int from = std::max(first, x0), to = std::min(last, x1);
      if (from > to) return;
      bands.changed(y, from, to);
      for (int x = from; x <= to; ++x) {
        if (covers(x + 0.5, y + 0.5)) row[x] = value;
      }
    });
  }
}

// The pixels of a row a ring can cover: within its outer circle and outside
// its inner one, a pixel's margin wider each way.
template <typename Covers>
void PixelSurface::fillRing(double cx, double cy, double r, double half, Rgb colour,
                            Covers covers) {
  const double outer = r + half, inner = r - half;
  fillSpans(cx - outer, cy - outer, cx + outer, cy + outer, colour, covers,
            [&](double py, int, int, auto visit) {
              const double dy = py - cy;
              const double outerSpan = outer * outer - dy * dy;
              if (outerSpan < 0) return;
              const int far = static_cast<int>(std::ceil(std::sqrt(outerSpan))) + 1;
              const double innerSpan = inner > 0 ? inner * inner - dy * dy : -1;
              const int mid = static_cast<int>(std::floor(cx));
              if (innerSpan <= 4) {
                visit(mid - far, mid + far);
                return;
              }
              const int near = static_cast<int>(std::floor(std::sqrt(innerSpan))) - 1;
              visit(mid - far, mid - near);
              visit(mid + near, mid + far);
            });
}

// Squared distances decide, so a pixel on the edge goes the same way however
// often the shape is drawn, and no square root is spent on pixels far off.
void PixelSurface::disk(double cx, double cy, double radius, Rgb colour) {
  const double reach = radius * radius;
  fill(cx - radius, cy - radius, cx + radius, cy + radius, colour, [&](double px, double py) {
    return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= reach;
  });
}

void PixelSurface::DrawCircle(float x, float y, float radius, Rgb colour) {
  const double cx = toPixels(x);
  const double cy = toPixels(y);
  const double r = std::fabs(toPixels(radius));
  const double half = pen() / 2.0;
  if (const CircleAsDrawn drawn = CircleOf(r, pen()); drawn.disk) {
    disk(cx, cy, drawn.radius, colour);
    return;
  }
  const Ring ring{cx, cy, r, half};
  fillRing(cx, cy, r, half, colour, [&](double px, double py) { return ring.covers(px, py); });
}

void PixelSurface::DrawCircle(float x, float y, float radius, Rgb colour, float start, float end) {
  const std::optional<ArcSweep> arc = SweepOf(start, end);
  if (!arc) return;
  const int from = arc->from;
  const int sweep = arc->sweep;
  const double cx = toPixels(x);
  const double cy = toPixels(y);
  const double r = std::fabs(toPixels(radius));
  const double half = pen() / 2.0;
  const Ring ring{cx, cy, r, half};
  fillRing(cx, cy, r, half, colour, [&](double px, double py) {
    if (!ring.covers(px, py)) return false;
    if (sweep >= kSixteenthsPerTurn) return true;
    // Counter-clockwise on the screen, whose y grows downwards.
    double angle = std::atan2(cy - py, px - cx);
    if (angle < 0) angle += 2 * kPi;
    int along = (ToSixteenths(angle) - from) % kSixteenthsPerTurn;
    if (along < 0) along += kSixteenthsPerTurn;
    return along <= sweep;
  });
}

void PixelSurface::DrawLine(float x1, float y1, float x2, float y2, Rgb colour) {
  const double ax = toPixels(x1), ay = toPixels(y1);
  const double bx = toPixels(x2), by = toPixels(y2);
  const double half = pen() / 2.0;
  // A row meets the pen's stroke within the band where the row is within
  // `half` of the line through both ends, the round ends included: a long
  // slanted line tests a narrow band of each row, not its whole box.
  const double dx = bx - ax, dy = by - ay;
  const double reach = std::fabs(dy) > 1 ? half * std::hypot(dx, dy) / std::fabs(dy) : -1;
  fillSpans(
      std::min(ax, bx) - half, std::min(ay, by) - half, std::max(ax, bx) + half,
      std::max(ay, by) + half, colour,
      [&](double px, double py) {
        return squaredDistanceToSegment(px, py, ax, ay, bx, by) <= half * half;
      },
      [&](double py, int first, int last, auto visit) {
        if (reach < 0) {
          visit(first, last);
          return;
        }
        const double across = ax + (py - ay) * dx / dy;
        visit(static_cast<int>(std::floor(across - reach)) - 1,
              static_cast<int>(std::ceil(across + reach)) + 1);
      });
}

void PixelSurface::KeepGround() {
  ground_ = GroundRuns(pixels_.data(), width_, height_, width_, opaque(back_));
}

bool PixelSurface::HasGround() const {
  return !ground_.empty() && ground_.width() == width_ && ground_.height() == height_;
}

void PixelSurface::RestoreGround(float x1, float y1, float x2, float y2, float reach) {
  if (!HasGround()) return;
  const Band band(toPixels(x1), toPixels(y1), toPixels(x2), toPixels(y2),
                  std::fabs(toPixels(reach)));
  ground_.restore(pixels_.data(), width_, band);
  if (!changed_) return;
  band.boxes(kChangedBandRows, height_, [&](RowSpan span, int from, int to) {
    const int left = std::max(0, static_cast<int>(std::floor(span.first)));
    const int right = std::min(width_, static_cast<int>(std::ceil(span.last)));
    if (left < right) changed_({left, from, right - left, to - from});
  });
}

void PixelSurface::DrawPoint(float x, float y, Rgb colour) {
  disk(toPixels(x), toPixels(y), pen() / 2.0, colour);
}

}  // namespace platform
