// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <utility>

#include "platform/Colour.h"

namespace platform {

// Each colour of a picture that becomes another: from, to.
using ColourMap = std::span<const std::pair<Rgb, Rgb>>;

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

  // Keeps the picture as it stands as its ground: the still part of a
  // picture whose moving parts are drawn over it each frame.
  virtual void KeepGround() = 0;
  // Whether a ground is kept: false when none was, or when the picture was
  // cleared, resized or rescaled since (then a picture drawn over its ground
  // is drawn whole again).
  virtual bool HasGround() const = 0;
  // Puts the kept ground back within `reach` (twips) of the segment from
  // (x1, y1) to (x2, y2), or of a point: whatever was drawn there since is
  // gone, and nothing still needs drawing again. Without a ground, nothing.
  virtual void RestoreGround(float x1, float y1, float x2, float y2, float reach) = 0;

  // Gives the picture drawn so far new colours, its background too, as a
  // new palette would have drawn it; nothing is drawn again and nothing lost.
  virtual void recolour(ColourMap map) = 0;
};

// The colour a map makes of one colour; itself when the map has none for it.
inline Rgb Mapped(ColourMap map, Rgb colour) {
  for (const auto& [from, to] : map) {
    if (from == colour) return to;
  }
  return colour;
}

}  // namespace platform
