// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Views.h"
#include "platform/Surface.h"

namespace engine {

// A screen point of the track window, in twips.
struct ScreenPoint {
  float x;
  float y;
};

// The screen point of track point (x, y) on a track drawn to scale.
inline ScreenPoint OnScreen(const Module1& m, const RunState& run, double x, double y) {
  return {static_cast<float>(run.x0dis + m.fract * x), static_cast<float>(run.y0 - m.fract * y)};
}

inline void DrawDot(platform::Surface& s, ScreenPoint p, double radius, platform::Rgb colour) {
  s.DrawCircle(p.x, p.y, static_cast<float>(radius), colour);
}

// An arc about the observer.
inline void DrawObserverArc(platform::Surface& s, const RunState& run, double radius,
                            platform::Rgb colour, double start, double end) {
  s.DrawCircle(static_cast<float>(run.x0dis), static_cast<float>(run.y0),
               static_cast<float>(radius), colour, static_cast<float>(start),
               static_cast<float>(end));
}

}  // namespace engine
