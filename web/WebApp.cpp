// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/WebApp.h"

#include "platform/web/WebBridge.h"

namespace web {

WebApp::WebApp(const ui::Link& link)
    : form1Window_(1, ui::ControlWindowLayout(), false, nextControlId_, language_),
      form2Window_(2, ui::TrackWindowLayout(), true, nextControlId_, language_),
      spacetimeWindow_(3, ui::SpacetimeWindowLayout(), false, nextControlId_, language_),
      core_({form1Window_, form2Window_, spacetimeWindow_, scheduler_, clock_, program_, language_,
             settings_, *this}) {
  core_.observeFrames([this] {
    if (frameObserver_) frameObserver_();
    web_frame_drawn();
  });
  // The user's own settings hold where the link does not say otherwise.
  std::optional<engine::Palette> palette = link.palette;
  if (!palette && web_media_matches("(prefers-contrast: more)") != 0) {
    palette = engine::Palette::Projector;
  }
  core_.start({palette, link, web_media_matches("(prefers-reduced-motion: reduce)") != 0, true});
}

void WebApp::perform(ui::KeyAction action) {
  web_page_action(ui::ActionName(action));
}

void WebApp::announce(const std::string& text) {
  web_announce(text.c_str());
}

void WebApp::describePicture(const std::string& text) {
  web_describe_picture(form2Window_.window().id(), text.c_str());
}

void WebApp::click(int controlId) {
  if (program_.ended()) return;
  if (!form1Window_.click(controlId)) form2Window_.click(controlId);
}

// The panels' close boxes: the control panel's ends the program (the page
// asks first), the track panel's hides it and stops a run, the diagram's
// hides it.
void WebApp::close(int windowId) {
  if (!program_.ended()) formById(windowId).close();
}

// The page has laid the track panel out once the browser tells its size: a
// link's run waiting for that is selected now, drawn to the panel's room.
void WebApp::clientResized(int windowId, double width, double height, double ratio) {
  formById(windowId).clientResized(width, height, ratio);
  if (windowId == form2Window_.window().id()) core_.selectLinkedRun();
}

}  // namespace web
