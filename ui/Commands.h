// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>

#include "engine/Module1.h"
#include "engine/RunLoop.h"
#include "platform/Language.h"
#include "platform/Services.h"
#include "ui/Forms.h"

namespace ui {

class Commands;

// A control of the control window and the handler its click runs.
struct ClickHandler {
  const char* control;
  void (Commands::*handler)();
};

// The handlers of the two windows. They change shared values and controls
// only; the run loop reads the values at its next frame.
class Commands {
 public:
  Commands(engine::Module1& m, Form1& form1, Form2& form2, engine::RunLoop& runLoop,
           platform::Program& program, const platform::Language& language);

  // Every control of the control window that answers a click, with its handler.
  static std::span<const ClickHandler> ClickHandlers();

  // Loading and resizing.
  void Form1_Load();
  void Form2_Load();
  void Form_Resize();
  void Form2_Resize();

  // Choosing, starting and stopping a run; leaving the program.
  void CommandStart_Click();
  void CommandSimulation_Click();
  void LType_Click();
  void CommandCancel_Click();
  // The track window's close box: the picture goes, and a run with it.
  void Form2_Close();

  // Steering a run in progress.
  void CommandVinc_Click();
  void CommandVdec_Click();
  void CommandVzero_Click();
  void CommandFreeze_Click();
  void TControl_Click();

  // The teaching aids, off until asked for.
  void StepFrame();      // while frozen: the next frame, and frozen again
  void SlowMotion();     // frames 0.4 s apart, or back to 0.1 s
  void SwitchPalette();  // at once while idle, else from the next run's set-up

 private:
  void setMode(engine::RunMode mode);
  void paintControlWindow();
  void paintTrackWindowControls();
  void applyPalette();
  void startChoosing();
  void startRunning();
  void stopRunning();
  void stepType();

  engine::Module1& m_;
  Form1& form1_;
  Form2& form2_;
  engine::RunLoop& runLoop_;
  platform::Program& program_;
  const platform::Language& language_;
};

}  // namespace ui
