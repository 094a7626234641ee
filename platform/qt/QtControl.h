// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPalette>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <initializer_list>
#include <string>

#include "platform/Control.h"
#include "platform/qt/WindowWidget.h"

namespace platform {

// A Qt widget seen as a Control. The twips geometry the program set is kept
// as set, so reading it back gives the same value whatever the pixel
// rounding did.
class QtControl : public Control, private QObject {
 public:
  enum class Kind { Button, TextBox, MultiLineTextBox, Label };

  // Placed in its window's pixels, at the window's zoom.
  QtControl(QWidget* widget, Kind kind, float left, float top, float width, float height,
            const WindowWidget& window);

  // Sizes and places the widget again, after its window's zoom changed.
  void rescale();

  QWidget* widget() const { return widget_; }
  Kind kind() const { return kind_; }

  // Runs the action on a click, or on Space or Return while the control
  // has the keyboard; a clickable label joins the Tab chain.
  void onClick(std::function<void()> action);

  std::string text() const override;
  void setText(const std::string& text) override;
  bool isVisible() const override;
  void setVisible(bool visible) override;
  void setBackColor(Rgb colour) override;
  void setForeColor(Rgb colour) override;
  float left() const override { return left_; }
  float top() const override { return top_; }
  float width() const override { return width_; }
  float height() const override { return height_; }
  void setLeft(float twips) override;
  void setTop(float twips) override;
  void setAccessibleName(const std::string& name) override;
  void nameWithText(std::string name) override;
  void setTip(const std::string& tip) override;

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void place();
  void updateAccessibleName();
  void setColour(std::initializer_list<QPalette::ColorRole> roles, Rgb colour);

  QPointer<QWidget> widget_;
  Kind kind_;
  float left_, top_, width_, height_;
  const WindowWidget& window_;
  std::function<void()> click_;
  std::string accessiblePrefix_;
};

}  // namespace platform
