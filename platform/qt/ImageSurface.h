// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <functional>

#include "platform/GroundRuns.h"
#include "platform/Surface.h"

namespace platform {

QColor ToQColor(Rgb colour);

// A drawing surface kept in an image, so the picture survives between
// frames and a shape drawn again in the background colour is gone without
// a trace: antialiasing stays off, and the same values give the same pixels.
class ImageSurface final : public Surface {
 public:
  using ChangedArea = std::function<void(const QRect& logicalArea)>;

  explicit ImageSurface(ChangedArea changed = {});

  // Grows the image to cover the window's client area at its pixel ratio,
  // keeping what was drawn; new areas take the background colour.
  void resize(QSize logicalSize, qreal devicePixelRatio);
  const QImage& image() const { return image_; }
  Rgb backColor() const { return back_; }
  float fontSize() const { return fontSize_; }

  void ClearSurface() override;
  void setBackColor(Rgb colour) override;
  void setFontSize(float points) override { fontSize_ = points; }
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
  template <typename Draw>
  bool drawWith(Rgb colour, Draw draw);
  template <typename Draw>
  void paint(Rgb colour, Draw draw);
  void changed(const QRectF& shape);
  void changedAlong(const Band& band);

  QImage image_;
  GroundRuns ground_;
  ChangedArea changed_;
  Rgb back_ = RGB(255, 255, 255);
  int penWidth_ = 1;
  float fontSize_ = 8.25F;
};

}  // namespace platform
