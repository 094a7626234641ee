// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/ChangedAreas.h"
#include "platform/GroundRuns.h"
#include "platform/Surface.h"

namespace platform {

// A drawing surface in a plain pixel buffer, without anti-aliasing: a pixel
// belongs to a shape when its centre lies within the pen's reach, so the
// same call always covers the same pixels and drawing it again in the
// background colour leaves nothing behind. Pixels are RGBA bytes in memory,
// as a canvas takes them. One CSS pixel is 15 twips; the buffer holds device
// pixels, ratio of them to the CSS pixel, and pens widen with the ratio.
class PixelSurface final : public Surface {
 public:
  using ChangedArea = std::function<void(const PixelRect&)>;

  explicit PixelSurface(ChangedArea changed = {});

  // Grows the buffer to at least this size in device pixels, keeping the
  // picture; new ground takes the background colour. It never shrinks, so a
  // window made smaller and larger again keeps its picture.
  void resize(int width, int height);
  // Device pixels to the CSS pixel from now on: the picture so far is scaled
  // into a buffer of the new ratio, as the desktop keeps it on another screen.
  void setRatio(double ratio);
  double ratio() const { return ratio_; }
  int width() const { return width_; }
  int height() const { return height_; }
  const std::uint32_t* pixels() const { return pixels_.data(); }
  // The pixel's colour as an Rgb, without the alpha byte.
  Rgb pixel(int x, int y) const;
  Rgb backColor() const { return back_; }
  int penWidth() const { return penWidth_; }

  void ClearSurface() override;
  void setBackColor(Rgb colour) override;
  void setFontSize(float) override {}
  void setPenWidth(int pixels) override { penWidth_ = pixels < 1 ? 1 : pixels; }
  void DrawCircle(float x, float y, float radius, Rgb colour) override;
  void DrawCircle(float x, float y, float radius, Rgb colour, float start, float end) override;
  void DrawLine(float x1, float y1, float x2, float y2, Rgb colour) override;
  void DrawPoint(float x, float y, Rgb colour) override;
  void KeepGround() override;
  bool HasGround() const override;
  void RestoreGround(float x1, float y1, float x2, float y2, float reach) override;
  void recolour(ColourMap map) override;

 private:
  double toPixels(float twips) const;
  double pen() const { return penWidth_ * ratio_; }
  // Colours every pixel of the box whose centre passes the test.
  template <typename Covers>
  void fill(double left, double top, double right, double bottom, Rgb colour, Covers covers);
  template <typename Covers, typename Spans>
  void fillSpans(double left, double top, double right, double bottom, Rgb colour, Covers covers,
                 Spans spans);
  template <typename Covers>
  void fillRing(double cx, double cy, double r, double half, Rgb colour, Covers covers);
  void disk(double cx, double cy, double radius, Rgb colour);

  std::vector<std::uint32_t> pixels_;
  GroundRuns ground_;
  int width_ = 0, height_ = 0;
  ChangedArea changed_;
  Rgb back_ = RGB(255, 255, 255);
  int penWidth_ = 1;
  double ratio_ = 1;
};

}  // namespace platform
