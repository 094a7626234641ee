// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "engine/Module1.h"
#include "engine/RunLoop.h"
#include "platform/SteadyClock.h"
#include "platform/qt/QtLanguage.h"
#include "platform/qt/QtServices.h"
#include "ui/Commands.h"
#include "ui/Forms.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/TeachingAids.h"

namespace ui {

// How the program was asked to start.
struct StartOptions {
  std::optional<engine::Palette> palette;  // else as last left
  std::optional<double> zoom;              // else as last left
};

// The whole program: the shared simulation variables, both windows, the
// run loop and the handlers, wired together. Construct it after the
// QApplication and its translations; it loads the control window and shows it.
class Application {
 public:
  explicit Application(const StartOptions& options = {});

  FormWindow& controlWindow() { return form1Window_; }
  FormWindow& trackWindow() { return form2Window_; }
  engine::Module1& simulation() { return module_; }
  engine::RunLoop& runLoop() { return runLoop_; }
  Commands& commands() { return commands_; }
  TeachingAids& aids() { return aids_; }
  const platform::QtProgram& program() const { return program_; }

 private:
  void connectHandlers();

  engine::Module1 module_;
  platform::QtLanguage language_;
  platform::QtScheduler scheduler_;
  platform::SteadyClock clock_;
  platform::QtProgram program_;
  FormWindow form2Window_;
  FormWindow form1Window_;
  Form1 form1_;
  Form2 form2_;
  engine::RunLoop runLoop_;
  Commands commands_;
  TeachingAids aids_;
};

// Font and style of the controls, chosen so every stored caption fits its
// stored size.
void ApplyControlLook();

}  // namespace ui
