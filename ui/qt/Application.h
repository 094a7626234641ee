// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

#include "platform/SteadyClock.h"
#include "platform/qt/QtLanguage.h"
#include "platform/qt/QtServices.h"
#include "platform/qt/QtSettings.h"
#include "ui/ProgramCore.h"
#include "ui/qt/FormWindow.h"
#include "ui/qt/TeachingAids.h"

namespace ui {

// How the program was asked to start.
struct StartOptions {
  std::optional<engine::Palette> palette;  // else as last left
  std::optional<double> zoom;              // else as last left
};

// The desktop's shell: Qt's services, the three windows and the aids only a
// desktop has, around the program's core. Construct it after the
// QApplication and its translations; it loads the control window and shows it.
class Application {
 public:
  explicit Application(const StartOptions& options = {});

  FormWindow& controlWindow() { return form1Window_; }
  FormWindow& trackWindow() { return form2Window_; }
  FormWindow& spacetimeWindow() { return spacetimeWindow_; }
  ProgramCore& core() { return core_; }
  engine::Module1& simulation() { return core_.simulation(); }
  engine::RunLoop& runLoop() { return core_.runLoop(); }
  Commands& commands() { return core_.commands(); }
  TeachingAids& aids() { return aids_; }
  const platform::QtProgram& program() const { return program_; }

 private:
  platform::QtLanguage language_;
  platform::QtScheduler scheduler_;
  platform::SteadyClock clock_;
  platform::QtProgram program_;
  platform::QtSettings settings_;
  FormWindow form2Window_;
  FormWindow form1Window_;
  FormWindow spacetimeWindow_;
  TeachingAids aids_;
  ProgramCore core_;
};

// Font and style of the controls, chosen so every stored caption fits its
// stored size.
void ApplyControlLook();

}  // namespace ui
