// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NumberText.h"
#include "ui/Captions.h"
#include "ui/Commands.h"

namespace ui {
namespace {

void show(std::initializer_list<platform::Control*> controls, bool visible) {
  for (platform::Control* c : controls) c->setVisible(visible);
}

}  // namespace

// One button walks the run cycle: idle, choosing, running. Its caption shows
// where the cycle stands; the mode, not the caption, decides.
void Commands::CommandStart_Click() {
  switch (m_.mode) {
    case engine::RunMode::Idle:
      startChoosing();
      return;
    case engine::RunMode::Choosing:
      startRunning();
      return;
    case engine::RunMode::Running:
      stopRunning();
      return;
  }
}

void Commands::setMode(engine::RunMode mode) {
  m_.mode = mode;
  form1_.CommandStart.setText(language_.localized(StartCaption(mode)));
}

void Commands::startChoosing() {
  Form1& f = form1_;
  setMode(engine::RunMode::Choosing);
  f.CommandSimulation.setVisible(true);
  f.Text5.setVisible(true);
  f.Text5.setText(language_.localized(TR_TEXT("Control window", "Select Simulation")));
  f.LType.setVisible(true);
  f.Text7.setVisible(true);
  form2_.window.setVisible(true);
  form2_.window.setTop(f.window.height() + f.window.top());
  form2_.window.setLeft(f.window.left());
}

void Commands::startRunning() {
  Form1& f = form1_;
  setMode(engine::RunMode::Running);
  Form_Resize();
  show({&f.Tv, &f.Tcc}, true);
  f.Text5.setText(language_.localized(TR_TEXT("Control window", "Select Speed v")));
  show({&f.LType, &f.Text7}, false);
  show({&f.TTime, &f.Lv, &f.LTime, &f.Lcc, &f.TControl}, true);
  f.CommandSimulation.setVisible(false);
  show({&f.LControl, &f.CommandVinc, &f.CommandCancel}, true);
  m_.stopflag = 0;
  Form2& g = form2_;
  // Closed while choosing: a run nobody can see would be no use.
  if (!g.window.isVisible()) g.window.setVisible(true);
  show({&g.Text5, &g.Tlength_obs, &g.Tv_obs, &g.TLocalTime, &g.Llength_obs, &g.Lv_obs,
        &g.LLocalTime},
       true);
  m_.stopflag = 0;
  applyPalette();  // a palette asked for during the last run
  runLoop_.RunSimulation();
  // Asked to spare the user motion: the first frame stands, and the button
  // that lets it go on is there from the start.
  if (m_.startFrozen && m_.mode == engine::RunMode::Running) {
    f.CommandFreeze.setVisible(true);
    CommandFreeze_Click();
  }
}

void Commands::stopRunning() {
  Form1& f = form1_;
  m_.stopflag = 1;
  setMode(engine::RunMode::Idle);
  show({&f.CommandVinc, &f.CommandVdec, &f.CommandVzero, &f.CommandFreeze}, false);
  show({&f.Tv, &f.Tcc, &f.Text5, &f.TTime, &f.Lv, &f.LTime, &f.Lcc, &f.LControl, &f.TControl},
       false);
  Form2& g = form2_;
  show({&g.TLocalTime, &g.Tv_obs, &g.Text5, &g.Llength_obs, &g.Tlength_obs, &g.Lv_obs,
        &g.LLocalTime},
       false);
  runLoop_.onControlsChanged();
}

void Commands::stepType() {
  int n = m_.chosenType + 1;
  if (n > static_cast<int>(m_.demonstrations.size())) n = 1;
  m_.chosenType = n;
  form1_.LType.setText(platform::PaddedNumberText(n));
}

void Commands::CommandSimulation_Click() {
  stepType();
}
void Commands::LType_Click() {
  stepType();
}

// A run without its picture teaches nothing: closing the picture stops the
// run as "Stop" would, and the control window is back at "Start".
void Commands::Form2_Close() {
  if (m_.mode == engine::RunMode::Running) stopRunning();
  form2_.window.setVisible(false);
}

void Commands::CommandCancel_Click() {
  program_.EndProgram();
}

}  // namespace ui
