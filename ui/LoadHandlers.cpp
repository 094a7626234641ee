// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/Colour.h"
#include "platform/NumberText.h"
#include "ui/Captions.h"
#include "ui/Commands.h"
#include "ui/FormLayout.h"

namespace ui {

void Commands::Form1_Load() {
  Form1& f = form1_;
  engine::UsePalette(m_, m_.palette);
  f.Tv.setText("0");
  f.Tcc.setText("0");
  f.LType.setText(platform::PlainNumberText(m_.chosenType));
  f.Text7.setText(DemonstrationList(m_.demonstrations, language_));
  for (platform::Control* c : {&f.Tv, &f.Tcc, &f.LType, &f.Text5, &f.TTime, &f.Text7}) {
    c->setVisible(false);
  }
  f.Lv.setVisible(false);
  f.LTime.setVisible(false);
  f.Lcc.setVisible(false);
  f.CommandSimulation.setVisible(false);
  f.LControl.setVisible(false);
  f.TControl.setVisible(false);
  paintControlWindow();
  f.window.setHeight(kControlWindowHeight);

  Form2_Load();
  form2_.Tlength_obs.setText("1000");
  form2_.Tv_obs.setText("0");
  form2_.Text5.setText("");
  Form2& g = form2_;
  for (platform::Control* c : {&g.Tlength_obs, &g.Tv_obs, &g.Text5, &g.TLocalTime, &g.Llength_obs,
                               &g.Lv_obs, &g.LLocalTime}) {
    c->setVisible(false);
  }
  form2_.window.setWidth(form1_.window.width());
}

void Commands::Form2_Load() {
  form2_.window.surface().setBackColor(m_.bgcolor);
  paintTrackWindowControls();
}

// The background colour on the control window and the controls that carry it.
void Commands::paintControlWindow() {
  Form1& f = form1_;
  f.window.surface().setBackColor(m_.bgcolor);
  for (platform::Control* c : {&f.CommandStart, &f.CommandVzero, &f.CommandVinc, &f.CommandVdec,
                               &f.Lv, &f.LControl, &f.LTime, &f.Lcc}) {
    c->setBackColor(m_.bgcolor);
  }
}

// The track window's labels: the background colour, and the colour of the
// observed speed.
void Commands::paintTrackWindowControls() {
  Form2& g = form2_;
  for (platform::Control* c : {&g.Llength_obs, &g.Lv_obs, &g.LLocalTime}) {
    c->setBackColor(m_.bgcolor);
  }
  g.Tv_obs.setForeColor(m_.colours.seenSpeed);
  g.Lv_obs.setForeColor(m_.colours.seenSpeed);
}

// The title and the readouts stay inside the track window at every size.
void Commands::Form2_Resize() {
  runLoop_.PlaceReadouts();
}

// Brings the choice controls into the window; the window's size is ignored.
void Commands::Form_Resize() {
  form1_.Text7.setLeft(form1_.Text5.left() + 400);
  form1_.CommandSimulation.setLeft(form1_.CommandStart.left());
  form1_.CommandSimulation.setTop(600);
  form1_.LType.setLeft(form1_.CommandCancel.left() + 100);
  form1_.LType.setTop(660);
}

}  // namespace ui
