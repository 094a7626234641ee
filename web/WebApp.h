// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>

#include "engine/Module1.h"
#include "engine/RunLoop.h"
#include "platform/web/WebLanguage.h"
#include "platform/web/WebServices.h"
#include "ui/Commands.h"
#include "ui/Forms.h"
#include "ui/Keys.h"
#include "ui/Link.h"
#include "web/WebForm.h"

namespace web {

// The whole program on a page: the same engine, handlers and stored layout
// as on the desktop, over the web platform.
class WebApp {
 public:
  // Starts with the palette and slow motion as asked or as last left, and
  // opens the demonstration the page's link prepares, if it names one.
  WebApp(engine::Palette palette, bool slowMotion, const ui::Link& link);

  void click(int controlId);
  void timer(int timerId) { scheduler_.fire(timerId); }
  void close(int windowId);
  void paint(int windowId);
  void clientResized(int windowId, double width, double height, double ratio);

  platform::WebWindow& trackWindow() { return form2Window_.window(); }
  // Where the run stands, for the page's links, file names and tests: JSON.
  std::string state() const;
  // The page's keys and the colours of each demonstration, in its language: JSON.
  std::string keyList() const;
  // A teaching aid the page's keys or menu asked for.
  void aid(ui::KeyAction action);
  // Something else to do after each frame is drawn, besides telling the page.
  void observeFrames(std::function<void()> observer) { frameObserver_ = std::move(observer); }

 private:
  std::string pictureTexts() const;
  WebForm& formById(int windowId) { return windowId == 1 ? form1Window_ : form2Window_; }
  void connectHandlers();

  int nextControlId_ = 1;
  platform::WebLanguage language_;
  engine::Module1 module_;
  platform::WebScheduler scheduler_;
  platform::WebClock clock_;
  platform::WebProgram program_{scheduler_};
  WebForm form1Window_;
  WebForm form2Window_;
  ui::Form1 form1_;
  ui::Form2 form2_;
  engine::RunLoop runLoop_;
  ui::Commands commands_;
  std::function<void()> frameObserver_;
  bool sizedByLink_ = false;  // the link gave the track panel its height
};

}  // namespace web
