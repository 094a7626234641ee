// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The few choices the program keeps from one start to the next, as text by
// name: the desktop's settings file, the browser's storage.
class Settings {
 public:
  virtual ~Settings() = default;
  // Nothing when it was never kept, or the place it is kept refuses.
  virtual std::optional<std::string> value(std::string_view key) const = 0;
  virtual void setValue(std::string_view key, std::string_view value) = 0;
};

}  // namespace platform
