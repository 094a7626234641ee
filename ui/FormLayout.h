#pragma once

#include <optional>
#include <span>
#include <string_view>

#include "platform/Colour.h"

namespace ui {

enum class ControlKind { Button, TextBox, MultiLineTextBox, Label };

// A control as the window stores it before its load handler runs.
struct ControlSpec {
  std::string_view name;
  ControlKind kind;
  std::string_view text;
  float left, top, width, height;  // twips
  bool visible;
  bool centred = false;
  std::optional<platform::Rgb> foreColour = std::nullopt;
  std::optional<platform::Rgb> backColour = std::nullopt;
};

struct WindowSpec {
  std::string_view caption;
  float clientWidth, clientHeight;        // twips
  std::span<const ControlSpec> controls;  // in tab order
};

// The control window and the track window as stored.
const WindowSpec& ControlWindowSpec();
const WindowSpec& TrackWindowSpec();

}  // namespace ui
