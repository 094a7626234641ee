// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Control.h"
#include "platform/Form.h"
#include "platform/Surface.h"
#include "ui/FormLayout.h"

namespace fakes {

// One call on a surface, with its arguments as handed over.
struct DrawCall {
  enum class Op { Clear, Circle, Arc, Line, Point, KeepGround, RestoreGround } op;
  float a = 0, b = 0, c = 0, d = 0;  // circle/arc: x, y, radius; line, ground: x1, y1, x2, y2
  float start = 0, end = 0;          // arc angles; the ground's reach
  platform::Rgb colour = 0;
};

// Records every drawing call in order.
class RecordingSurface final : public platform::Surface {
 public:
  std::vector<DrawCall> calls;
  platform::Rgb backColour = 0;
  float fontSize = 0;
  int penWidth = 0;
  bool grounded = false;

  void ClearSurface() override {
    calls.push_back({DrawCall::Op::Clear});
    grounded = false;
  }
  void setBackColor(platform::Rgb colour) override { backColour = colour; }
  void setFontSize(float points) override { fontSize = points; }
  void setPenWidth(int pixels) override { penWidth = pixels; }
  void DrawCircle(float x, float y, float r, platform::Rgb colour) override {
    calls.push_back({DrawCall::Op::Circle, x, y, r, 0, 0, 0, colour});
  }
  void DrawCircle(float x, float y, float r, platform::Rgb colour, float s, float e) override {
    calls.push_back({DrawCall::Op::Arc, x, y, r, 0, s, e, colour});
  }
  void DrawLine(float x1, float y1, float x2, float y2, platform::Rgb colour) override {
    calls.push_back({DrawCall::Op::Line, x1, y1, x2, y2, 0, 0, colour});
  }
  void DrawPoint(float x, float y, platform::Rgb colour) override {
    calls.push_back({DrawCall::Op::Point, x, y, 0, 0, 0, 0, colour});
  }
  void KeepGround() override {
    calls.push_back({DrawCall::Op::KeepGround});
    grounded = true;
  }
  // A ground from the last KeepGround to the next Clear.
  bool HasGround() const override { return grounded; }
  void RestoreGround(float x1, float y1, float x2, float y2, float reach) override {
    calls.push_back({DrawCall::Op::RestoreGround, x1, y1, x2, y2, reach});
  }
  // The recording keeps the calls, not the pixels: only the background follows.
  void recolour(platform::ColourMap map) override {
    backColour = platform::Mapped(map, backColour);
  }
};

class FakeControl final : public platform::Control {
 public:
  explicit FakeControl(const ui::StoredControl& stored)
      : text_(stored.text.source),
        visible_(stored.visible),
        left_(stored.left),
        top_(stored.top),
        width_(stored.width),
        height_(stored.height) {}

  std::string text() const override { return text_; }
  void setText(const std::string& text) override { text_ = text; }
  bool isVisible() const override { return visible_; }
  void setVisible(bool visible) override { visible_ = visible; }
  void setBackColor(platform::Rgb colour) override { backColour = colour; }
  void setForeColor(platform::Rgb colour) override { foreColour = colour; }
  float left() const override { return left_; }
  float top() const override { return top_; }
  float width() const override { return width_; }
  float height() const override { return height_; }
  void setLeft(float twips) override { left_ = twips; }
  void setTop(float twips) override { top_ = twips; }
  void setAccessibleName(const std::string& name) override { accessibleName = name; }
  void nameWithText(std::string name) override { accessibleName = std::move(name); }
  void setTip(const std::string& text) override { tip = text; }

  platform::Rgb backColour = 0;
  platform::Rgb foreColour = 0;
  std::string accessibleName, tip;

 private:
  std::string text_;
  bool visible_;
  float left_, top_, width_, height_;
};

// A window whose outer and client rectangle are one, unless a test gives it
// a frame; it is its own form, and a test clicks, resizes and closes it.
class FakeWindow final : public platform::Window, public platform::Form {
 public:
  explicit FakeWindow(const ui::WindowLayout& stored);

  platform::Window& window() override { return *this; }
  FakeControl& control(std::string_view name) override;
  void onClick(std::string_view name, std::function<void()> action) override;
  void onResize(std::function<void()> handler) override { resized_ = std::move(handler); }
  void onClose(std::function<void()> handler) override { closed_ = std::move(handler); }
  // As a user would: only a control that is shown answers a click.
  void click(std::string_view name);
  void resize(float width, float height);
  void close();

  RecordingSurface& recording() { return surface_; }
  // Draws on another surface from now on, instead of recording.
  void drawOn(platform::Surface& other) { drawing_ = &other; }

  float left() const override { return left_; }
  float top() const override { return top_; }
  float width() const override { return width_; }
  float height() const override { return height_; }
  void setLeft(float twips) override { left_ = twips; }
  void setTop(float twips) override { top_ = twips; }
  void setWidth(float twips) override { width_ = twips; }
  void setHeight(float twips) override { height_ = twips; }
  float clientWidth() const override { return width_ - frame; }
  float clientHeight() const override { return height_; }
  bool isVisible() const override { return visible_; }
  void setVisible(bool visible) override { visible_ = visible; }
  platform::Surface& surface() override { return *drawing_; }

  float frame = 0;  // twips of frame left and right together, none unless a test sets it

 private:
  std::map<std::string, std::unique_ptr<FakeControl>, std::less<>> controls_;
  std::map<std::string, std::function<void()>, std::less<>> clicks_;
  std::function<void()> resized_, closed_;
  RecordingSurface surface_;
  platform::Surface* drawing_ = &surface_;
  float left_ = 0, top_ = 0, width_, height_;
  bool visible_ = false;
};

}  // namespace fakes
