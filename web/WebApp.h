// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Module1.h"
#include "engine/RunLoop.h"
#include "platform/web/WebServices.h"
#include "ui/Commands.h"
#include "ui/Forms.h"
#include "web/FrameRecorder.h"
#include "web/WebForm.h"

namespace web {

// The whole program on a page: the same engine, handlers and stored layout
// as on the desktop, over the web platform.
class WebApp {
 public:
  WebApp();

  void click(int controlId);
  void timer(int timerId) { scheduler_.fire(timerId); }
  void close(int windowId);
  void paint(int windowId);
  void clientResized(int windowId, int width, int height);

  // For the page's own tests: the last frame drawn alone on a fresh buffer.
  const platform::PixelSurface& lastFrameAlone() { return recorder_.lastFrameAlone(); }
  platform::PixelSurface& trackPixels() { return form2Window_.window().pixels(); }

 private:
  WebForm& formById(int windowId) { return windowId == 1 ? form1Window_ : form2Window_; }
  void connectHandlers();

  int nextControlId_ = 1;
  engine::Module1 module_;
  platform::WebScheduler scheduler_;
  platform::WebClock clock_;
  platform::WebProgram program_{scheduler_};
  WebForm form1Window_;
  WebForm form2Window_;
  FrameRecorder recorder_{form2Window_.window().pixels()};
  ui::Form1 form1_;
  ui::Form2 form2_;
  engine::RunLoop runLoop_;
  ui::Commands commands_;
};

}  // namespace web
