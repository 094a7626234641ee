// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's entry point: chooses the language, has its catalogue
// loaded, then builds the program and leaves it to the browser's events.
// The page calls back through the functions below.
#include <emscripten.h>

#include <cstdlib>
#include <memory>
#include <optional>
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
  program = std::make_unique<web::WebApp>(link);
  web::AfterStart(*program);
}
// An aid the page's keys or menu asked for, by its name.
EMSCRIPTEN_KEEPALIVE void web_aid(const char* name) {
  const std::optional<ui::KeyAction> action = ui::ActionNamed(name);
  if (program && action) program->core().RunAid(*action);
}
// The keys and colours, in the page's language, as JSON; valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* web_key_list() {
  static std::string last;
  last = program ? program->core().keyListJson() : "{}";
  return last.c_str();
}
// The state of the run as JSON, valid until the next call.
EMSCRIPTEN_KEEPALIVE const char* web_state() {
  static std::string last;
  last = program ? program->core().stateJson() : "{}";
  return last.c_str();
}
// The page's events; none reaches a program not yet started.
EMSCRIPTEN_KEEPALIVE void web_on_click(int control) {
  if (program) program->click(control);
}
EMSCRIPTEN_KEEPALIVE void web_on_timer(int timer) {
  if (program) program->timer(timer);
}
EMSCRIPTEN_KEEPALIVE void web_on_close(int window) {
  if (program) program->close(window);
}
EMSCRIPTEN_KEEPALIVE void web_on_paint(int window) {
  if (program) program->paint(window);
}
EMSCRIPTEN_KEEPALIVE void web_on_client_resized(int window, double width, double height,
                                                double ratio) {
  if (program) program->clientResized(window, width, height, ratio);
}

}  // extern "C"

// The page's build has no exceptions: a failed allocation aborts, as it
// would before main returned.
int main() {  // NOLINT(bugprone-exception-escape)
  char* query = web_query();
  link = ui::ParseLink(query, engine::Demonstrations().size());
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
