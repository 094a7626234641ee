// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/Control.h"
#include "platform/qt/WindowWidget.h"

namespace platform {

// A window widget as the program sees it: the outer rectangle in twips and
// the drawing surface of the client area. Kept apart from the widget so its
// twips never mix with the widget's own pixel geometry.
class QtWindow final : public Window {
 public:
  explicit QtWindow(WindowWidget& widget) : widget_(widget) {}

  float left() const override;
  float top() const override;
  float width() const override;
  float height() const override;
  void setLeft(float twips) override;
  void setTop(float twips) override;
  void setWidth(float twips) override;
  void setHeight(float twips) override;
  float clientWidth() const override;
  float clientHeight() const override;
  bool isVisible() const override { return widget_.isVisible(); }
  void setVisible(bool visible) override { widget_.setVisible(visible); }
  Surface& surface() override { return widget_.imageSurface(); }

 private:
  WindowWidget& widget_;
};

}  // namespace platform
