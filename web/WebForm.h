// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Form.h"
#include "platform/Language.h"
#include "platform/web/WebWindow.h"
#include "ui/FormLayout.h"

namespace web {

// A window of the page with the controls of its stored layout: a panel
// whose controls the page reports by number.
class WebForm final : public platform::Form {
 public:
  WebForm(int id, const ui::WindowLayout& stored, bool resizable, int& nextControlId,
          const platform::Language& language);

  platform::WebWindow& window() override { return window_; }
  platform::WebControl& control(std::string_view name) override;
  void onClick(std::string_view name, std::function<void()> action) override;
  void onResize(std::function<void()> handler) override { resized_ = std::move(handler); }
  void onClose(std::function<void()> handler) override { closed_ = std::move(handler); }

  // The page reports a click on the control with this number; false when
  // the control is not this panel's.
  bool click(int controlId);
  // The page resized the client area or changed its pixel ratio.
  void clientResized(double width, double height, double ratio);
  // The panel's close box.
  void close();

 private:
  platform::WebWindow window_;
  std::map<std::string, std::unique_ptr<platform::WebControl>, std::less<>> controls_;
  std::map<int, std::string> namesById_;
  std::map<std::string, std::function<void()>, std::less<>> actions_;
  std::function<void()> resized_, closed_;
};

}  // namespace web
