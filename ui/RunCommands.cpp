// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/NumberText.h"
#include "ui/Commands.h"

namespace ui {
namespace {

void show(std::initializer_list<platform::Control*> controls, bool visible) {
  for (platform::Control* c : controls) c->setVisible(visible);
}

}  // namespace

// The caption of "Start" is the state of the program: idle, choosing, running.
void Commands::CommandStart_Click() {
  const std::string caption = form1_.CommandStart.text();
  if (caption == "Start") {
    startChoosing();
  } else if (caption == "Select") {
    startRunning();
  } else {
    stopRunning();
  }
}

void Commands::startChoosing() {
  Form1& f = form1_;
  f.CommandStart.setText("Select");
  f.CommandSimulation.setVisible(true);
  f.Text5.setVisible(true);
  f.Text5.setText("Select Simulation");
  f.LType.setVisible(true);
  f.Text7.setVisible(true);
  form2_.window.setVisible(true);
  form2_.window.setTop(f.window.height() + f.window.top());
  form2_.window.setLeft(f.window.left());
}

void Commands::startRunning() {
  Form1& f = form1_;
  f.CommandStart.setText("Stop");
  Form_Resize();
  show({&f.Tv, &f.Tcc}, true);
  f.Text5.setText("Select Speed v");
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
  runLoop_.RunSimulation();
}

void Commands::stopRunning() {
  Form1& f = form1_;
  m_.stopflag = 1;
  f.CommandStart.setText("Start");
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
  double n = platform::ParseNumber(form1_.LType.text()) + 1;
  if (n > 3) n = 1;
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
  if (form1_.CommandStart.text() == "Stop") stopRunning();
  form2_.window.setVisible(false);
}

void Commands::CommandCancel_Click() {
  program_.EndProgram();
}

}  // namespace ui
