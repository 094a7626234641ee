// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "platform/web/PixelSurface.h"

namespace web {

// Draws on the track window's pixels and keeps the calls of the frame being
// drawn, so the page's tests can compare the picture with the last frame
// drawn alone: whatever else is left is a remnant.
class FrameRecorder final : public platform::Surface {
 public:
  explicit FrameRecorder(platform::PixelSurface& pixels) : pixels_(pixels) {}

  // The run loop finished a frame.
  void frameEnded();
  // The last finished frame's shapes, background erases left out, on a
  // fresh buffer of the picture's size.
  const platform::PixelSurface& lastFrameAlone();

  void ClearSurface() override;
  void setBackColor(platform::Rgb colour) override;
  void setFontSize(float points) override { pixels_.setFontSize(points); }
  void setPenWidth(int pixels) override { pixels_.setPenWidth(pixels); }
  void DrawCircle(float x, float y, float radius, platform::Rgb colour) override;
  void DrawCircle(float x, float y, float radius, platform::Rgb colour, float start,
                  float end) override;
  void DrawLine(float x1, float y1, float x2, float y2, platform::Rgb colour) override;
  void DrawPoint(float x, float y, platform::Rgb colour) override;
  void KeepGround() override { pixels_.KeepGround(); }
  bool HasGround() const override { return pixels_.HasGround(); }
  // An erase: kept out of the frame's shapes, as a background erase is.
  void RestoreGround(float x1, float y1, float x2, float y2, float reach) override {
    pixels_.RestoreGround(x1, y1, x2, y2, reach);
  }
  void recolour(platform::ColourMap map) override { pixels_.recolour(map); }

 private:
  using Call = std::function<void(platform::Surface&)>;
  void keep(platform::Rgb colour, Call call);

  platform::PixelSurface& pixels_;
  std::vector<Call> drawing_, lastFrame_;
  platform::PixelSurface alone_;
};

}  // namespace web
