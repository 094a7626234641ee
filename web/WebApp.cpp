// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/WebApp.h"

#include <utility>

#include "platform/NumberText.h"
#include "platform/web/WebBridge.h"
#include "ui/ControlHelp.h"

namespace web {
namespace {

ui::ControlLookup lookupIn(WebForm& form) {
  return [&form](std::string_view name) -> platform::Control& { return form.control(name); };
}

}  // namespace

WebApp::WebApp()
    : form1Window_(1, ui::ControlWindowLayout(), false, nextControlId_, language_),
      form2Window_(2, ui::TrackWindowLayout(), true, nextControlId_, language_),
      form1_(ui::Form1::Bind(form1Window_.window(), lookupIn(form1Window_))),
      form2_(ui::Form2::Bind(form2Window_.window(), lookupIn(form2Window_))),
      runLoop_(module_, form1_.panelView(), form2_.displayView(), scheduler_, clock_, program_,
               language_),
      commands_(module_, form1_, form2_, runLoop_, program_, language_) {
  runLoop_.setFrameObserver([this] {
    if (frameObserver_) frameObserver_();
    web_frame_drawn();
  });
  connectHandlers();
  ui::ApplyHelp(form1Window_, ui::ControlWindowHelp(), language_);
  ui::ApplyHelp(form2Window_, ui::TrackWindowHelp(), language_);
  commands_.Form1_Load();
  form1Window_.window().setVisible(true);
  commands_.Form_Resize();  // as a window's resize handler runs when it is first shown
}

void WebApp::connectHandlers() {
  ui::Commands& c = commands_;
  for (const ui::ClickHandler& click : ui::Commands::ClickHandlers()) {
    form1Window_.onClick(click.control, [&c, handler = click.handler] { (c.*handler)(); });
  }
}

void WebApp::click(int controlId) {
  if (program_.ended()) return;
  if (!form1Window_.click(controlId)) form2Window_.click(controlId);
}

// The panels' close boxes: the control window's ends the program, as
// "Cancel" does; the track window's hides it and stops a run.
void WebApp::close(int windowId) {
  if (program_.ended()) return;
  if (windowId == 1) {
    commands_.CommandCancel_Click();
  } else {
    commands_.Form2_Close();
  }
}

std::string WebApp::state() const {
  static constexpr const char* kModes[] = {"idle", "choosing", "running"};
  const engine::Module1& m = module_;
  return std::string("{\"mode\":\"") + kModes[static_cast<int>(m.mode)] +
         "\",\"demo\":" + std::to_string(m.chosenType) +
         ",\"v\":" + platform::PlainNumberText(m.v) +
         ",\"contraction\":" + (m.contraction ? "true" : "false") +
         ",\"frozen\":" + (m.freeze == 1.0 ? "true" : "false") +
         ",\"frames\":" + std::to_string(runLoop_.framesDrawn()) + "}";
}

void WebApp::paint(int windowId) {
  formById(windowId).window().paint();
}

void WebApp::clientResized(int windowId, int width, int height) {
  formById(windowId).window().clientResized(width, height);
}

}  // namespace web
