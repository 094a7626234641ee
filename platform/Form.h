// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string_view>

#include "platform/Control.h"

namespace platform {

// A window with the controls of its stored layout, as a toolkit makes it:
// what the program's core needs of each of its two windows.
class Form {
 public:
  virtual ~Form() = default;

  virtual Window& window() = 0;
  virtual Control& control(std::string_view name) = 0;
  // A click on the control, or Space or Return while it has the keyboard.
  virtual void onClick(std::string_view name, std::function<void()> action) = 0;
  // After the client area changed size, the user's doing or the program's.
  virtual void onResize(std::function<void()> handler) = 0;
  // The title bar's close box, before the window hides.
  virtual void onClose(std::function<void()> handler) = 0;
};

}  // namespace platform
