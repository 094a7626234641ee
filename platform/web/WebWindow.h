// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "platform/ChangedAreas.h"
#include "platform/Control.h"
#include "platform/web/PixelSurface.h"

namespace platform {

// A window drawn as a panel of the page: a title bar and a client area
// whose picture is a pixel buffer copied to a canvas, changed rectangles
// only, when the browser next paints. Geometry in twips, outer rectangle.
class WebWindow final : public Window {
 public:
  // The panel's frame, in CSS pixels: a border all round, and a title bar
  // above the client area. The page's style draws it from these.
  static constexpr double kFrameBorder = 1, kTitleBarHeight = 20;

  WebWindow(int id, const std::string& caption, float clientWidth, float clientHeight,
            bool resizable, const std::string& closeLabel);

  int id() const { return id_; }
  PixelSurface& pixels() { return surface_; }
  // Draws through another surface (one that passes the calls on to these
  // pixels) from now on.
  void drawThrough(Surface& other) { drawing_ = &other; }
  // The page resized the client area (the user dragged its corner), or the
  // ratio of device to CSS pixels changed (zoom, another screen).
  void clientResized(double width, double height, double ratio);
  // The browser is about to paint: the changed areas go to the canvas.
  void paint();

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
  bool isVisible() const override;
  void setVisible(bool visible) override;
  Surface& surface() override { return *drawing_; }

 private:
  void changed(const PixelRect& area);

  int id_;
  PixelSurface surface_;
  Surface* drawing_ = &surface_;
  ChangedAreas dirty_;
  bool paintRequested_ = false;
};

// A button, text box or label of a panel. The program is the only writer
// of every text (the boxes are read-only), so the text and geometry are
// kept here and the page only shows them.
class WebControl final : public Control {
 public:
  enum class Kind { Button, TextBox, MultiLineTextBox, Label };

  WebControl(int window, int id, Kind kind, const std::string& name, float left, float top,
             float width, float height, bool centred, int foreColour, bool clickable);

  std::string text() const override { return text_; }
  void setText(const std::string& text) override;
  bool isVisible() const override { return visible_; }
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
  void place();

  int id_;
  Kind kind_;
  std::string text_;
  std::string accessiblePrefix_;
  bool visible_ = true;
  float left_, top_, width_, height_;
};

}  // namespace platform
