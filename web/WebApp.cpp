// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/WebApp.h"

#include <utility>

#include "engine/scenes/Scene.h"
#include "platform/NumberText.h"
#include "platform/web/WebBridge.h"
#include "ui/ControlHelp.h"
#include "ui/Picture.h"

namespace web {
namespace {

// A text as a JSON string.
std::string Quoted(std::string_view text) {
  std::string json = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') {
      json += '\\';
      json += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      json += ' ';
    } else {
      json += c;
    }
  }
  return json + '"';
}

ui::ControlLookup lookupIn(WebForm& form) {
  return [&form](std::string_view name) -> platform::Control& { return form.control(name); };
}

}  // namespace

WebApp::WebApp(engine::Palette palette, bool slowMotion, const ui::Link& link)
    : form1Window_(1, ui::ControlWindowLayout(), false, nextControlId_, language_),
      form2Window_(2, ui::TrackWindowLayout(), true, nextControlId_, language_),
      form1_(ui::Form1::Bind(form1Window_.window(), lookupIn(form1Window_))),
      form2_(ui::Form2::Bind(form2Window_.window(), lookupIn(form2Window_))),
      runLoop_(module_, form1_.panelView(), form2_.displayView(), scheduler_, clock_, program_,
               language_),
      commands_(module_, form1_, form2_, runLoop_, program_, language_) {
  runLoop_.setFrameObserver([this] {
    if (frameObserver_) frameObserver_();
    web_frame_drawn();
  });
  connectHandlers();
  ui::ApplyHelp(form1Window_, ui::ControlWindowHelp(), language_);
  ui::ApplyHelp(form2Window_, ui::TrackWindowHelp(), language_);
  if (palette != module_.palette) commands_.SwitchPalette();
  if (slowMotion) commands_.SlowMotion();
  commands_.Form1_Load();
  form1Window_.window().setVisible(true);
  commands_.Form_Resize();  // as a window's resize handler runs when it is first shown
  ui::PrepareRun(link, commands_, module_, form2Window_.window());
  sizedByLink_ = link.demo && link.height;
}

void WebApp::aid(ui::KeyAction action) {
  if (program_.ended()) return;
  switch (action) {
    case ui::KeyAction::Step:
      commands_.StepFrame();
      break;
    case ui::KeyAction::SlowMotion:
      commands_.SlowMotion();
      break;
    case ui::KeyAction::Palette:
      commands_.SwitchPalette();
      break;
    default:  // the page's own: saving, copying, the list, full screen
      break;
  }
}

void WebApp::connectHandlers() {
  ui::Commands& c = commands_;
  for (const ui::ClickHandler& click : ui::Commands::ClickHandlers()) {
    form1Window_.onClick(click.control, [&c, handler = click.handler] { (c.*handler)(); });
  }
}

void WebApp::click(int controlId) {
  if (program_.ended()) return;
  if (!form1Window_.click(controlId)) form2Window_.click(controlId);
}

// The panels' close boxes: the control window's ends the program, as
// "Cancel" does; the track window's hides it and stops a run.
void WebApp::close(int windowId) {
  if (program_.ended()) return;
  if (windowId == 1) {
    commands_.CommandCancel_Click();
  } else {
    commands_.Form2_Close();
  }
}

std::string WebApp::state() const {
  static constexpr const char* kModes[] = {"idle", "choosing", "running"};
  const engine::Module1& m = module_;
  // The panel is fitted to the demonstration that runs, or is about to.
  const double demonstration = m.mode == engine::RunMode::Running ? m.simtype : m.chosenType;
  return std::string("{\"mode\":\"") + kModes[static_cast<int>(m.mode)] +
         "\",\"demo\":" + std::to_string(m.chosenType) +
         ",\"shown\":" + std::to_string(engine::ShownDemonstration(m)) + ",\"widthFactor\":" +
         platform::PlainNumberText(engine::SceneFor(demonstration)->widthFactor) +
         ",\"v\":" + platform::PlainNumberText(m.v) +
         ",\"contraction\":" + (m.contraction ? "true" : "false") +
         ",\"frozen\":" + (m.freeze == 1.0 ? "true" : "false") +
         ",\"slowMotion\":" + (m.slowMotion ? "true" : "false") +
         ",\"projector\":" + (m.palette == engine::Palette::Projector ? "true" : "false") +
         ",\"frames\":" + std::to_string(runLoop_.framesDrawn()) +
         ",\"frameOfRun\":" + std::to_string(runLoop_.frameOfRun()) +
         ",\"sizedByLink\":" + (sizedByLink_ ? "true" : "false") +
         ",\"ended\":" + (program_.ended() ? "true" : "false") + ",\"link\":\"" + ui::LinkQuery(m) +
         "\",\"picture\":" + Quoted(ui::PictureName(m)) + ",\"pictureTexts\":" + pictureTexts() +
         '}';
}

// The texts a saved picture carries, as a JSON object.
std::string WebApp::pictureTexts() const {
  std::string json = "{";
  for (const ui::PictureText& text : ui::PictureTexts(module_, runLoop_.frameOfRun(), language_)) {
    if (json.size() > 1) json += ',';
    json += Quoted(text.key) + ':' + Quoted(text.value);
  }
  return json + '}';
}

std::string WebApp::keyList() const {
  std::string json = "{\"keys\":[";
  for (const ui::KeyHelp& key : ui::KeyList()) {
    if (!key.onPage) continue;
    if (json.back() != '[') json += ',';
    json += "{\"keys\":[" + Quoted(key.keys[0]) + ',' + Quoted(key.keys[1]) +
            "],\"shown\":" + Quoted(language_.localized(key.shown)) +
            ",\"does\":" + Quoted(language_.localized(key.does)) +
            ",\"menu\":" + Quoted(language_.localized(key.menu)) +
            ",\"action\":" + std::to_string(static_cast<int>(key.action)) + '}';
  }
  json += "],\"colours\":[";
  for (const platform::Text& colour : ui::LegendColours()) {
    json += Quoted(language_.localized(colour)) + ',';
  }
  json.back() = ']';
  json += ",\"legends\":[";
  for (const ui::ColourLegend& legend : ui::ColourLegends()) {
    if (json.back() != '[') json += ',';
    json += '[' + Quoted(language_.localized(legend.demonstration));
    for (const platform::Text& meaning : legend.meanings) {
      json += ',' + Quoted(language_.localized(meaning));
    }
    json += ']';
  }
  return json + "],\"projector\":" + Quoted(language_.localized(ui::ProjectorLegend())) + '}';
}

void WebApp::paint(int windowId) {
  formById(windowId).window().paint();
}

void WebApp::clientResized(int windowId, double width, double height, double ratio) {
  formById(windowId).window().clientResized(width, height, ratio);
  if (windowId == 2) commands_.Form2_Resize();
}

}  // namespace web
