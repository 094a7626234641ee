// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's entry point: chooses the language, has its catalogue
// loaded, then builds the program and leaves it to the browser's events.
// The page calls back through the functions below.
#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/web/WebBridge.h"
#include "ui/Languages.h"
#include "web/TestHooks.h"
#include "web/WebApp.h"

namespace {

// The one program of the page; the page's callbacks reach it here.
std::unique_ptr<web::WebApp> program;
// What the page's link asks for, read before the program starts.
ui::Link link;

// The lines of a text the page allocated.
std::vector<std::string> linesOf(char* text) {
  std::vector<std::string> lines;
  std::string_view rest(text);
  while (!rest.empty()) {
    const std::size_t end = rest.find('\n');
    lines.emplace_back(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  std::free(text);
  return lines;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void web_start() {
  const engine::Palette palette = link.palette.value_or(
      web_stored_projector() == 1 ? engine::Palette::Projector : engine::Palette::Usual);
  program = std::make_unique<web::WebApp>(palette, web_stored_slow_motion() == 1, link);
  web::AfterStart(*program);
}
EMSCRIPTEN_KEEPALIVE void web_aid(int action) {
  if (program) program->aid(static_cast<ui::KeyAction>(action));
}
// The keys and colours, in the page's language, as JSON; valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* web_key_list() {
  static std::string last;
  last = program ? program->keyList() : "{}";
  return last.c_str();
}
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
EMSCRIPTEN_KEEPALIVE void web_on_client_resized(int window, double width, double height,
                                                double ratio) {
  program->clientResized(window, width, height, ratio);
}
// The state of the run as JSON, valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* web_state() {
  static std::string last;
  last = program ? program->state() : "{}";
  return last.c_str();
}

}  // extern "C"

int main() {
  char* query = web_query();
  link = ui::ParseLink(query);
  std::free(query);
  for (const std::string& ignored : link.ignored)
    web_warn(("Link: " + ignored + "; left out.").c_str());
  const std::vector<std::string> catalogues = linesOf(web_catalogue_languages());
  const std::vector<std::string_view> offered(catalogues.begin(), catalogues.end());
  const std::vector<std::string> wanted =
      link.language ? std::vector<std::string>{*link.language} : linesOf(web_preferred_languages());
  web_load_catalogue(ui::ChooseLanguage(wanted, offered).c_str());
  return 0;
}
