// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Commands.h"

namespace ui {
namespace {

constexpr ClickHandler kClickHandlers[] = {
    {"CommandStart", &Commands::CommandStart_Click},
    {"CommandCancel", &Commands::CommandCancel_Click},
    {"CommandSimulation", &Commands::CommandSimulation_Click},
    {"LType", &Commands::LType_Click},
    {"CommandVinc", &Commands::CommandVinc_Click},
    {"CommandVdec", &Commands::CommandVdec_Click},
    {"CommandVzero", &Commands::CommandVzero_Click},
    {"CommandFreeze", &Commands::CommandFreeze_Click},
    {"TControl", &Commands::TControl_Click},
};

}  // namespace

std::span<const ClickHandler> Commands::ClickHandlers() {
  return kClickHandlers;
}

Commands::Commands(engine::Module1& m, Form1& form1, Form2& form2, engine::RunLoop& runLoop,
                   platform::Program& program, const platform::Language& language)
    : m_(m),
      form1_(form1),
      form2_(form2),
      runLoop_(runLoop),
      program_(program),
      language_(language) {}

}  // namespace ui
