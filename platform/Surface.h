// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Colour.h"

namespace platform {

// Immediate drawing on a window's client area, in twips, y downwards.
// The picture stays until it is drawn over or cleared.
class Surface {
 public:
  virtual ~Surface() = default;

  virtual void ClearSurface() = 0;
  virtual void setBackColor(Rgb colour) = 0;
  virtual void setFontSize(float points) = 0;
  virtual void setPenWidth(int pixels) = 0;

  // Outline of a whole circle.
  virtual void DrawCircle(float x, float y, float radius, Rgb colour) = 0;
  // Arc drawn counter-clockwise on the screen from start to end (radians,
  // 0 toward +x); an end below the start passes through angle 0.
  virtual void DrawCircle(float x, float y, float radius, Rgb colour, float start, float end) = 0;
  virtual void DrawLine(float x1, float y1, float x2, float y2, Rgb colour) = 0;
  virtual void DrawPoint(float x, float y, Rgb colour) = 0;
};

}  // namespace platform
