// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Keys.h"

#include "engine/Colours.h"

namespace ui {
namespace {

using A = KeyAction;
constexpr platform::Text kNoMenu{};

struct Aid {
  KeyAction action;
  const char* name;
  bool isSwitch;
};

constexpr Aid kAids[] = {
    {A::None, "", false},
    {A::Step, "step", false},
    {A::SlowMotion, "slowMotion", true},
    {A::SavePicture, "save", false},
    {A::CopyPicture, "copy", false},
    {A::Palette, "palette", true},
    {A::KeyList, "keys", false},
    {A::FullScreen, "fullScreen", false},
    {A::ZoomIn, "zoomIn", false},
    {A::ZoomOut, "zoomOut", false},
    {A::UsualSize, "usualSize", false},
    {A::Describe, "describe", false},
    {A::Spacetime, "spacetime", true},
};

const Aid& aidOf(KeyAction action) {
  for (const Aid& aid : kAids) {
    if (aid.action == action) return aid;
  }
  return kAids[0];
}

constexpr KeyHelp kKeys[] = {
    {{"Space", "Return"},
     TR_TEXT("Keys", "Space or Return"),
     TR_TEXT("Keys",
             "presses the button in focus, switches Length Contraction, steps the demonstration"),
     kNoMenu,
     A::None,
     true,
     true},
    {{"Tab", "Shift+Tab"},
     TR_TEXT("Keys", "Tab, Shift+Tab"),
     TR_TEXT("Keys", "moves to the next or previous control"),
     kNoMenu,
     A::None,
     true,
     true},
    {{"Right", "."},
     TR_TEXT("Keys", "→ or ."),
     TR_TEXT("Keys", "while frozen: one frame on"),
     TR_TEXT("Keys", "One frame on"),
     A::Step,
     true,
     true},
    {{"S", ""},
     TR_TEXT("Keys", "S"),
     TR_TEXT("Keys", "slow motion on or off: a frame every 0.4 s"),
     TR_TEXT("Keys", "Slow motion"),
     A::SlowMotion,
     true,
     true},
    {{"Ctrl+S", ""},
     TR_TEXT("Keys", "Ctrl+S"),
     TR_TEXT("Keys", "saves the picture as a PNG file"),
     TR_TEXT("Keys", "Save the picture..."),
     A::SavePicture,
     true,
     true},
    {{"Ctrl+C", ""},
     TR_TEXT("Keys", "Ctrl+C"),
     TR_TEXT("Keys", "copies the picture"),
     TR_TEXT("Keys", "Copy the picture"),
     A::CopyPicture,
     true,
     true},
    {{"P", ""},
     TR_TEXT("Keys", "P"),
     TR_TEXT("Keys", "projector colours on or off"),
     TR_TEXT("Keys", "Projector colours"),
     A::Palette,
     true,
     true},
    {{"Ctrl++", "Ctrl+="},
     TR_TEXT("Keys", "Ctrl++"),
     TR_TEXT("Keys", "both windows larger, up to three times"),
     TR_TEXT("Keys", "Zoom in"),
     A::ZoomIn,
     true,
     false},
    {{"Ctrl+-", ""},
     TR_TEXT("Keys", "Ctrl+-"),
     TR_TEXT("Keys", "both windows smaller, down to their usual size"),
     TR_TEXT("Keys", "Zoom out"),
     A::ZoomOut,
     true,
     false},
    {{"Ctrl+0", ""},
     TR_TEXT("Keys", "Ctrl+0"),
     TR_TEXT("Keys", "both windows at their usual size"),
     TR_TEXT("Keys", "Usual size"),
     A::UsualSize,
     true,
     false},
    {{"D", ""},
     TR_TEXT("Keys", "D"),
     TR_TEXT("Keys", "says in words what the picture shows now, for a screen reader"),
     TR_TEXT("Keys", "Describe the picture"),
     A::Describe,
     true,
     true},
    {{"T", ""},
     TR_TEXT("Keys", "T"),
     TR_TEXT("Keys",
             "the spacetime diagram beside the picture, on or off: why the observer sees it there"),
     TR_TEXT("Keys", "Spacetime diagram"),
     A::Spacetime,
     true,
     true},
    {{"F", ""},
     TR_TEXT("Keys", "F"),
     TR_TEXT("Keys", "full screen on or off"),
     TR_TEXT("Keys", "Full screen"),
     A::FullScreen,
     false,
     true},
    {{"F1", ""},
     TR_TEXT("Keys", "F1"),
     TR_TEXT("Keys", "this list of keys and colours"),
     TR_TEXT("Keys", "Keys and colours..."),
     A::KeyList,
     true,
     false},
    {{"?", "F1"},
     TR_TEXT("Keys", "? or F1"),
     TR_TEXT("Keys", "this list of keys and colours"),
     TR_TEXT("Keys", "Keys and colours..."),
     A::KeyList,
     false,
     true},
    {{"Escape", ""},
     TR_TEXT("Keys", "Escape"),
     TR_TEXT("Keys", "closes this list"),
     kNoMenu,
     A::None,
     true,
     true},
};

}  // namespace

const char* ActionName(KeyAction action) {
  return aidOf(action).name;
}

std::optional<KeyAction> ActionNamed(std::string_view name) {
  for (const Aid& aid : kAids) {
    if (aid.action != A::None && name == aid.name) return aid.action;
  }
  return std::nullopt;
}

bool IsSwitch(KeyAction action) {
  return aidOf(action).isSwitch;
}

std::span<const KeyHelp> KeyList() {
  return kKeys;
}

std::array<platform::Text, 4> LegendColours() {
  using engine::LegendColour;
  const auto usual = [](LegendColour colour) {
    return engine::ColourName(engine::Palette::Usual, colour);
  };
  return {usual(LegendColour::Black), usual(LegendColour::LightRed),
          usual(LegendColour::LightYellow), usual(LegendColour::White)};
}

platform::Text ProjectorLegend() {
  return TR_TEXT("Keys",
                 "With projector colours: a white ground, black for black (and for white in the "
                 "Terrell rotation), dark red for light red, dark blue for light yellow, grey "
                 "for the trail.");
}

}  // namespace ui
