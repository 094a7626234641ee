// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/WebServices.h"

#include <emscripten.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "platform/web/WebBridge.h"

namespace platform {

double WebClock::SecondsTimer() {
  return emscripten_get_now() / 1000.0;
}

void WebScheduler::post(Callback callback) {
  start(-1, std::move(callback));
}

// Rounded up to whole milliseconds, so the callback never comes early.
void WebScheduler::postAfter(double seconds, Callback callback) {
  start(std::ceil(seconds * 1000.0), std::move(callback));
}

int WebScheduler::start(double milliseconds, Callback callback) {
  const int timer = next_++;
  pending_.emplace(timer, std::move(callback));
  web_timer_start(timer, milliseconds);
  return timer;
}

void WebScheduler::fire(int timer) {
  auto found = pending_.find(timer);
  if (found == pending_.end()) return;
  Callback callback = std::move(found->second);
  pending_.erase(found);
  callback();
}

void WebScheduler::cancelAll() {
  for (const auto& [timer, callback] : pending_) web_timer_cancel(timer);
  pending_.clear();
}

std::optional<std::string> WebSettings::value(std::string_view key) const {
  char* kept = web_setting(std::string(key).c_str());
  if (kept == nullptr) return std::nullopt;
  std::string value(kept);
  std::free(kept);
  return value;
}

void WebSettings::setValue(std::string_view key, std::string_view value) {
  web_set_setting(std::string(key).c_str(), std::string(value).c_str());
}

void WebProgram::EndProgram() {
  ended_ = true;
  scheduler_.cancelAll();
  web_program_ended();
}

}  // namespace platform
