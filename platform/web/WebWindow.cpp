// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/web/WebWindow.h"

#include <algorithm>
#include <cmath>

#include "platform/Shapes.h"
#include "platform/Twips.h"
#include "platform/web/WebBridge.h"

namespace platform {
namespace {

constexpr const char* kKindNames[] = {"button", "textBox", "multiLineTextBox", "label"};

}  // namespace

WebWindow::WebWindow(int id, const std::string& caption, float clientWidth, float clientHeight,
                     bool resizable, const std::string& closeLabel)
    : id_(id), surface_([this](const PixelRect& area) { changed(area); }) {
  web_window_create(id, caption.c_str(), ToPixels(clientWidth), ToPixels(clientHeight),
                    resizable ? 1 : 0, kFrameBorder, kTitleBarHeight, closeLabel.c_str());
  clientResized(ToPixels(clientWidth), ToPixels(clientHeight), web_device_ratio());
}

void WebWindow::changed(const PixelRect& area) {
  dirty_.add(area);
  if (paintRequested_) return;
  paintRequested_ = true;
  web_window_request_paint(id_);
}

void WebWindow::clientResized(double width, double height, double ratio) {
  surface_.setRatio(ratio);
  surface_.resize(static_cast<int>(std::lround(width * ratio)),
                  static_cast<int>(std::lround(height * ratio)));
}

void WebWindow::paint() {
  paintRequested_ = false;
  for (const PixelRect& area : dirty_.areas()) {
    web_canvas_put(id_, surface_.pixels(), surface_.width(), surface_.height(), surface_.ratio(),
                   area.x, area.y, area.width, area.height);
  }
  dirty_.clear();
}

float WebWindow::left() const {
  return static_cast<float>(web_window_outer(id_, "left")) * kTwipsPerPixel;
}
float WebWindow::top() const {
  return static_cast<float>(web_window_outer(id_, "top")) * kTwipsPerPixel;
}
float WebWindow::width() const {
  return static_cast<float>(web_window_outer(id_, "width")) * kTwipsPerPixel;
}
float WebWindow::height() const {
  return static_cast<float>(web_window_outer(id_, "height")) * kTwipsPerPixel;
}
float WebWindow::clientWidth() const {
  return static_cast<float>(web_window_outer(id_, "clientWidth")) * kTwipsPerPixel;
}

float WebWindow::clientHeight() const {
  return static_cast<float>(web_window_outer(id_, "clientHeight")) * kTwipsPerPixel;
}
void WebWindow::setLeft(float twips) {
  web_window_set_outer(id_, "left", ToWholePixels(twips));
}
void WebWindow::setTop(float twips) {
  web_window_set_outer(id_, "top", ToWholePixels(twips));
}
void WebWindow::setWidth(float twips) {
  web_window_set_outer(id_, "width", ToWholePixels(twips));
}
void WebWindow::setHeight(float twips) {
  web_window_set_outer(id_, "height", ToWholePixels(twips));
}
bool WebWindow::isVisible() const {
  return web_window_visible(id_) != 0;
}
void WebWindow::setVisible(bool visible) {
  web_window_set_visible(id_, visible ? 1 : 0);
}

WebControl::WebControl(int window, int id, Kind kind, const std::string& name, float left,
                       float top, float width, float height, bool centred, int foreColour,
                       bool clickable)
    : id_(id), kind_(kind), left_(left), top_(top), width_(width), height_(height) {
  web_control_create(window, id, kKindNames[static_cast<int>(kind)], name.c_str(), ToPixels(left),
                     ToPixels(top), ToPixels(width), ToPixels(height), centred ? 1 : 0, foreColour,
                     clickable ? 1 : 0);
}

void WebControl::nameWithText(std::string name) {
  accessiblePrefix_ = std::move(name);
  const auto first = text_.find_first_not_of(' ');
  setAccessibleName(accessiblePrefix_ + ' ' +
                    (first == std::string::npos ? std::string() : text_.substr(first)));
}

void WebControl::setAccessibleName(const std::string& name) {
  web_control_set_accessible_name(id_, name.c_str());
}

void WebControl::setTip(const std::string& tip) {
  web_control_set_tip(id_, tip.c_str());
}

void WebControl::setText(const std::string& text) {
  text_ = text;
  web_control_set_text(id_, (kind_ == Kind::MultiLineTextBox ? PlainLines(text) : text).c_str());
  if (!accessiblePrefix_.empty()) nameWithText(accessiblePrefix_);
}

void WebControl::setVisible(bool visible) {
  visible_ = visible;
  web_control_set_visible(id_, visible ? 1 : 0);
}

void WebControl::setBackColor(Rgb colour) {
  web_control_set_back(id_, static_cast<int>(colour));
}

void WebControl::setForeColor(Rgb colour) {
  web_control_set_fore(id_, static_cast<int>(colour));
}

void WebControl::setLeft(float twips) {
  left_ = twips;
  place();
}

void WebControl::setTop(float twips) {
  top_ = twips;
  place();
}

void WebControl::place() {
  web_control_move(id_, ToPixels(left_), ToPixels(top_));
}

}  // namespace platform
