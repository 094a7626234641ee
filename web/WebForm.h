// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Language.h"
#include "platform/web/WebWindow.h"
#include "ui/FormLayout.h"

namespace web {

// A window of the page with the controls of its stored layout.
class WebForm {
 public:
  WebForm(int id, const ui::WindowLayout& stored, bool resizable, int& nextControlId,
          const platform::Language& language);

  platform::WebWindow& window() { return window_; }
  platform::WebControl& control(std::string_view name);

  // Clicks, Space and Return on a control run its action.
  void onClick(std::string_view name, std::function<void()> action);
  // The page reports a click on the control with this number.
  bool click(int controlId);

 private:
  platform::WebWindow window_;
  std::map<std::string, std::unique_ptr<platform::WebControl>, std::less<>> controls_;
  std::map<int, std::string> namesById_;
  std::map<std::string, std::function<void()>, std::less<>> actions_;
};

}  // namespace web
