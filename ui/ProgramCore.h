// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>

#include "engine/Module1.h"
#include "engine/RunLoop.h"
#include "engine/Spacetime.h"
#include "platform/Form.h"
#include "platform/Language.h"
#include "platform/Services.h"
#include "platform/Settings.h"
#include "ui/Announcer.h"
#include "ui/Commands.h"
#include "ui/Forms.h"
#include "ui/Keys.h"
#include "ui/Link.h"

namespace ui {

// What only a platform can give: some of the aids (saving and copying the
// picture, the list of keys, full screen, zoom), and the ways a screen
// reader hears the picture. The program asks its shell for them.
class Shell {
 public:
  virtual ~Shell() = default;
  virtual void perform(KeyAction action) = 0;
  // Said politely to a screen reader, without taking the keyboard.
  virtual void announce(const std::string& text) = 0;
  // The picture's text alternative, kept current.
  virtual void describePicture(const std::string& text) = 0;
};

// The diagram's window as the engine draws it: its picture and its labels.
engine::SpacetimeView SpacetimeViewOf(platform::Form& form);

// What a shell gives the program: its three windows and its services.
struct ProgramParts {
  platform::Form& controlWindow;
  platform::Form& trackWindow;
  platform::Form& spacetimeWindow;
  platform::Scheduler& scheduler;
  platform::Clock& clock;
  platform::Program& program;
  const platform::Language& language;
  platform::Settings& settings;
  Shell& shell;
};

// How the program is asked to start: with a palette, and a demonstration
// prepared by a link.
struct StartChoices {
  std::optional<engine::Palette> palette;  // else as the user last left it
  Link link;                               // its spacetime word holds over the remembered one
  bool reducedMotion = false;              // every run starts frozen on its first frame
  // The shell lays the track window out for the demonstration chosen before
  // the run of a link that gives no height is selected (selectLinkedRun).
  bool layOutFirst = false;
};

// The whole program, free of any toolkit: the simulation's variables, both
// windows' controls, the run loop and the handlers, the teaching aids and
// what they remember, and what a page reads of it all. A shell makes the
// windows and the services and adds only what its platform has.
class ProgramCore {
 public:
  explicit ProgramCore(
      const ProgramParts& parts,
      std::span<const engine::Demonstration> demonstrations = engine::Demonstrations());

  // Connects the handlers, gives every control its names and tip, takes the
  // remembered choices, loads and shows the control window, and opens the
  // demonstration a link prepares.
  void start(const StartChoices& choices = {});

  // The run a link prepared, waiting for its track window to be laid out,
  // selected now; nothing if the user has chosen otherwise meanwhile.
  void selectLinkedRun();

  // An aid asked for by its key or a menu: the switches are remembered, the
  // platform's own aids go to the shell.
  void RunAid(KeyAction action);
  bool AidIsOn(KeyAction action) const;

  // Where the run stands and the aids' keys, as JSON, for a page's script.
  std::string stateJson() const;
  std::string keyListJson() const;

  // The picture told in words, as it stands now.
  std::string description() const;
  // Something else to do after each frame is drawn.
  void observeFrames(std::function<void()> observer) { frameObserver_ = std::move(observer); }

  engine::Module1& simulation() { return module_; }
  const engine::Module1& simulation() const { return module_; }
  engine::RunLoop& runLoop() { return runLoop_; }
  const engine::RunLoop& runLoop() const { return runLoop_; }
  Commands& commands() { return commands_; }
  Form1& form1() { return form1_; }
  Form2& form2() { return form2_; }
  const platform::Language& language() const { return language_; }

 private:
  // How the run stands, as far as announcements tell of it.
  struct Told {
    engine::RunMode mode;
    double v;
    bool contraction, frozen;
  };

  void connectHandlers();
  void takeRememberedChoices();
  void remember(const char* key, bool on);
  std::string pictureTextsJson() const;
  // After every handler: what changed is announced, the picture described.
  void tellChanges();
  void frameDrawn();
  void writeLegend(engine::Palette palette);
  void describePicture();
  void announce(const std::string& text);
  void showSpacetime(bool shown);
  void drawSpacetime();
  Told told() const;

  engine::Module1 module_;
  platform::Form& controlWindow_;
  platform::Form& trackWindow_;
  platform::Form& spacetimeWindow_;
  platform::Program& program_;
  const platform::Language& language_;
  platform::Settings& settings_;
  Shell& shell_;
  Form1 form1_;
  Form2 form2_;
  engine::SpacetimeDiagram spacetime_;
  engine::RunLoop runLoop_;
  Commands commands_;
  platform::Clock& clock_;
  Announcer announcer_;
  Told told_{};
  double lastDescribed_ = 0;
  std::optional<engine::Palette> legendPalette_;  // the legend's colours, once written
  std::function<void()> frameObserver_;
  bool sizedByLink_ = false;         // the link gave the track window its height
  std::optional<Link> linkWaiting_;  // chosen, to be selected once laid out
};

}  // namespace ui
