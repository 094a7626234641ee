// SPDX-License-Identifier: GPL-3.0-or-later
// The test build of the page: the track window draws through a recorder that
// keeps the last frame's shapes, and the tests read the pictures through the
// exports below.
#include "web/TestHooks.h"

#include <emscripten.h>

#include <memory>

#include "web/testing/FrameRecorder.h"

namespace {

web::WebApp* app = nullptr;
std::unique_ptr<web::FrameRecorder> recorder;

}  // namespace

namespace web {

void AfterStart(WebApp& started) {
  app = &started;
  platform::WebWindow& track = started.trackWindow();
  recorder = std::make_unique<FrameRecorder>(track.pixels());
  track.drawThrough(*recorder);
  started.observeFrames([] { recorder->frameEnded(); });
}

}  // namespace web

extern "C" {

// The last frame drawn alone, and the track picture, as RGBA bytes.
EMSCRIPTEN_KEEPALIVE const std::uint32_t* web_test_last_frame_alone() {
  return recorder->lastFrameAlone().pixels();
}
EMSCRIPTEN_KEEPALIVE const std::uint32_t* web_test_track_pixels() {
  return app->trackWindow().pixels().pixels();
}
EMSCRIPTEN_KEEPALIVE int web_test_track_width() {
  return app->trackWindow().pixels().width();
}

}  // extern "C"
