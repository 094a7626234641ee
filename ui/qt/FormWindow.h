// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Form.h"
#include "platform/qt/QtControl.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/WindowWidget.h"
#include "ui/FormLayout.h"

namespace ui {

inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A window with the controls of its stored layout; Tab follows where they stand.
class FormWindow final : public platform::WindowWidget, public platform::Form {
 public:
  FormWindow(const WindowLayout& stored, const platform::Language& language);

  // The window as the handlers and the engine see it, in twips.
  platform::Window& window() override { return window_; }
  platform::QtControl& control(std::string_view name) override;
  void onClick(std::string_view name, std::function<void()> action) override;
  void onResize(std::function<void()> handler) override {
    WindowWidget::onResize(std::move(handler));
  }
  void onClose(std::function<void()> handler) override {
    WindowWidget::onClose(std::move(handler));
  }

  // The window, its controls, their font and the picture, larger as a whole.
  void setZoom(double zoom);

 protected:
  // Tab follows the screen, left to right and top to bottom, wherever the
  // handlers have moved the controls.
  bool focusNextPrevChild(bool next) override;

 private:
  void addControl(const StoredControl& stored, const platform::Language& language);

  std::map<std::string, std::unique_ptr<platform::QtControl>, std::less<>> controls_;
  platform::QtWindow window_{*this};
};

}  // namespace ui
