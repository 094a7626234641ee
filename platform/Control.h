// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "platform/Colour.h"

namespace platform {

class Surface;

// A button, text box or label as the program sees it. Geometry in twips,
// single precision, relative to the window's client area.
class Control {
 public:
  virtual ~Control() = default;

  // The caption of a button or label, the text of a text box.
  virtual std::string text() const = 0;
  virtual void setText(const std::string& text) = 0;

  virtual bool isVisible() const = 0;
  virtual void setVisible(bool visible) = 0;

  virtual void setBackColor(Rgb colour) = 0;
  // The colour of its caption or text.
  virtual void setForeColor(Rgb colour) = 0;

  virtual float left() const = 0;
  virtual float top() const = 0;
  virtual float width() const = 0;
  virtual float height() const = 0;
  virtual void setLeft(float twips) = 0;
  virtual void setTop(float twips) = 0;

  // What a screen reader calls the control; a button's caption serves as
  // its name unless it is given one.
  virtual void setAccessibleName(const std::string& name) = 0;
  // The name followed by the control's text, kept current: a label that
  // shows a value has no other way onto the accessibility bus.
  virtual void nameWithText(std::string name) = 0;
  // The one sentence its tooltip says.
  virtual void setTip(const std::string& tip) = 0;
};

// A top-level window: its outer rectangle on the screen in twips, and the
// drawing surface of its client area.
class Window {
 public:
  virtual ~Window() = default;

  virtual float left() const = 0;
  virtual float top() const = 0;
  virtual float width() const = 0;
  virtual float height() const = 0;
  virtual void setLeft(float twips) = 0;
  virtual void setTop(float twips) = 0;
  virtual void setWidth(float twips) = 0;
  virtual void setHeight(float twips) = 0;
  // The width and height of the client area, inside the window's frame.
  virtual float clientWidth() const = 0;
  virtual float clientHeight() const = 0;
  // Widens the window by as much as its client area falls short of this
  // width, so the frame is added to what the client area needs.
  void widenClientTo(float twips) {
    if (twips > clientWidth()) setWidth(twips + width() - clientWidth());
  }

  virtual bool isVisible() const = 0;
  virtual void setVisible(bool visible) = 0;

  virtual Surface& surface() = 0;
};

}  // namespace platform
