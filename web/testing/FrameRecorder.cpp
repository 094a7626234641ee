// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/testing/FrameRecorder.h"

namespace web {

void FrameRecorder::frameEnded() {
  lastFrame_ = std::move(drawing_);
  drawing_.clear();
}

const platform::PixelSurface& FrameRecorder::lastFrameAlone() {
  alone_ = platform::PixelSurface();
  alone_.setRatio(pixels_.ratio());
  alone_.setBackColor(pixels_.backColor());
  alone_.resize(pixels_.width(), pixels_.height());
  alone_.ClearSurface();
  // The pen the picture draws with, whichever way it was set.
  alone_.setPenWidth(pixels_.penWidth());
  for (const Call& call : lastFrame_) call(alone_);
  return alone_;
}

void FrameRecorder::keep(platform::Rgb colour, Call call) {
  call(pixels_);
  if (colour != pixels_.backColor()) drawing_.push_back(std::move(call));
}

void FrameRecorder::ClearSurface() {
  pixels_.ClearSurface();
  drawing_.clear();
}

void FrameRecorder::setBackColor(platform::Rgb colour) {
  pixels_.setBackColor(colour);
}

void FrameRecorder::DrawCircle(float x, float y, float radius, platform::Rgb colour) {
  keep(colour, [=](platform::Surface& s) { s.DrawCircle(x, y, radius, colour); });
}

void FrameRecorder::DrawCircle(float x, float y, float radius, platform::Rgb colour, float start,
                               float end) {
  keep(colour, [=](platform::Surface& s) { s.DrawCircle(x, y, radius, colour, start, end); });
}

void FrameRecorder::DrawLine(float x1, float y1, float x2, float y2, platform::Rgb colour) {
  keep(colour, [=](platform::Surface& s) { s.DrawLine(x1, y1, x2, y2, colour); });
}

void FrameRecorder::DrawPoint(float x, float y, platform::Rgb colour) {
  keep(colour, [=](platform::Surface& s) { s.DrawPoint(x, y, colour); });
}

}  // namespace web
