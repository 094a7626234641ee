// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's entry point: builds the program and leaves it to the
// browser's events. The page calls back through the functions below.
#include <emscripten.h>

#include <memory>

#include "web/WebApp.h"

namespace {

// The one program of the page; the page's callbacks reach it here.
std::unique_ptr<web::WebApp> program;

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void web_on_click(int control) {
  program->click(control);
}
EMSCRIPTEN_KEEPALIVE void web_on_timer(int timer) {
  program->timer(timer);
}
EMSCRIPTEN_KEEPALIVE void web_on_close(int window) {
  program->close(window);
}
EMSCRIPTEN_KEEPALIVE void web_on_paint(int window) {
  program->paint(window);
}
EMSCRIPTEN_KEEPALIVE void web_on_client_resized(int window, int width, int height) {
  program->clientResized(window, width, height);
}

// For the page's tests: the last frame drawn alone, and the track picture.
EMSCRIPTEN_KEEPALIVE const std::uint32_t* web_test_last_frame_alone() {
  return program->lastFrameAlone().pixels();
}
EMSCRIPTEN_KEEPALIVE const std::uint32_t* web_test_track_pixels() {
  return program->trackPixels().pixels();
}
EMSCRIPTEN_KEEPALIVE int web_test_track_width() {
  return program->trackPixels().width();
}

}  // extern "C"

int main() {
  program = std::make_unique<web::WebApp>();
  return 0;
}
