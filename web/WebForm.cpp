// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/WebForm.h"

#include <algorithm>
#include <stdexcept>

#include "ui/Commands.h"
#include "ui/ControlHelp.h"

namespace web {
namespace {

using Kind = platform::WebControl::Kind;

Kind kindOf(ui::ControlKind kind) {
  switch (kind) {
    case ui::ControlKind::Button:
      return Kind::Button;
    case ui::ControlKind::TextBox:
      return Kind::TextBox;
    case ui::ControlKind::MultiLineTextBox:
      return Kind::MultiLineTextBox;
    case ui::ControlKind::Label:
      return Kind::Label;
  }
  return Kind::Label;
}

// The controls a user can press: those the handlers answer.
bool clickable(const ui::StoredControl& stored) {
  const auto handlers = ui::Commands::ClickHandlers();
  return std::any_of(handlers.begin(), handlers.end(), [&](const ui::ClickHandler& handler) {
    return handler.control == stored.name;
  });
}

}  // namespace

WebForm::WebForm(int id, const ui::WindowLayout& stored, bool resizable, int& nextControlId,
                 const platform::Language& language)
    : window_(id, language.localized(stored.caption), stored.clientWidth, stored.clientHeight,
              resizable, ui::CloseBoxName(language.localized(stored.caption), language)) {
  for (const ui::StoredControl& c : stored.controls) {
    const int controlId = nextControlId++;
    const int fore = c.foreColour ? static_cast<int>(*c.foreColour) : -1;
    auto control = std::make_unique<platform::WebControl>(
        id, controlId, kindOf(c.kind), std::string(c.name), c.left, c.top, c.width, c.height,
        c.centred, fore, clickable(c));
    control->setText(language.localized(c.text));
    if (c.backColour) control->setBackColor(*c.backColour);
    control->setVisible(c.visible);
    namesById_.emplace(controlId, std::string(c.name));
    controls_.emplace(std::string(c.name), std::move(control));
  }
}

platform::WebControl& WebForm::control(std::string_view name) {
  auto found = controls_.find(name);
  if (found == controls_.end()) throw std::out_of_range("no control " + std::string(name));
  return *found->second;
}

void WebForm::onClick(std::string_view name, std::function<void()> action) {
  actions_.insert_or_assign(std::string(name), std::move(action));
}

void WebForm::clientResized(double width, double height, double ratio) {
  window_.clientResized(width, height, ratio);
  if (resized_) resized_();
}

void WebForm::close() {
  if (closed_) closed_();
}

bool WebForm::click(int controlId) {
  auto name = namesById_.find(controlId);
  if (name == namesById_.end()) return false;
  auto action = actions_.find(name->second);
  // Only what is shown can be pressed.
  if (action != actions_.end() && control(name->second).isVisible()) action->second();
  return true;
}

}  // namespace web
