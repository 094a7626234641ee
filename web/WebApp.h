// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "platform/web/WebLanguage.h"
#include "platform/web/WebServices.h"
#include "ui/ProgramCore.h"
#include "web/WebForm.h"

namespace web {

// The page's shell: the browser's services and the three panels around the
// program's core; the page's own aids go to its script.
class WebApp final : public ui::Shell {
 public:
  // Starts with the palette and slow motion as last left unless the link
  // or the user's settings (more contrast, less motion) ask otherwise, and
  // opens the demonstration the link prepares: its run once the page has
  // laid the track panel out, unless the link gives its height.
  explicit WebApp(const ui::Link& link);

  void click(int controlId);
  void timer(int timerId) { scheduler_.fire(timerId); }
  void close(int windowId);
  void paint(int windowId) { formById(windowId).window().paint(); }
  void clientResized(int windowId, double width, double height, double ratio);
  void perform(ui::KeyAction action) override;
  void announce(const std::string& text) override;
  void describePicture(const std::string& text) override;

  ui::ProgramCore& core() { return core_; }
  platform::WebWindow& trackWindow() { return form2Window_.window(); }
  // Something else to do after each frame is drawn, besides telling the page.
  void observeFrames(std::function<void()> observer) { frameObserver_ = std::move(observer); }

 private:
  WebForm& formById(int windowId) {
    return windowId == 1 ? form1Window_ : windowId == 2 ? form2Window_ : spacetimeWindow_;
  }

  int nextControlId_ = 1;
  platform::WebLanguage language_;
  platform::WebScheduler scheduler_;
  platform::WebClock clock_;
  platform::WebProgram program_{scheduler_};
  platform::WebSettings settings_;
  WebForm form1Window_;
  WebForm form2Window_;
  WebForm spacetimeWindow_;
  ui::ProgramCore core_;
  std::function<void()> frameObserver_;
};

}  // namespace web
