// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Keys.h"

namespace ui {
namespace {

using A = KeyAction;
constexpr platform::Text kNoMenu{};

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

constexpr platform::Text kLegendColours[] = {TR_TEXT("Keys", "Black"), TR_TEXT("Keys", "Light red"),
                                             TR_TEXT("Keys", "Light yellow"),
                                             TR_TEXT("Keys", "White")};

// Both tracks draw a train the same way.
constexpr ColourLegend trainLegend(platform::Text demonstration) {
  return {demonstration,
          {TR_TEXT("Keys", "the train where it truly is"),
           TR_TEXT("Keys", "where the observer sees its front and rear"),
           TR_TEXT("Keys", "the directions in which the observer sees the train"),
           TR_TEXT("Keys", "the trail of the seen rear")}};
}

constexpr ColourLegend kLegends[] = {
    trainLegend(TR_TEXT("Demonstrations", "Round Track")),
    trainLegend(TR_TEXT("Demonstrations", "Horse Racing Track")),
    {TR_TEXT("Demonstrations", "Terrell rotation"),
     {TR_TEXT("Keys", "the observer's dot"),
      TR_TEXT("Keys", "where the observer sees the ends of each edge"),
      TR_TEXT("Keys", "the directions in which the observer sees each edge"),
      TR_TEXT("Keys", "the two edges of the body where they truly are")}},
};

}  // namespace

std::span<const KeyHelp> KeyList() {
  return kKeys;
}

std::span<const platform::Text, 4> LegendColours() {
  return kLegendColours;
}

std::span<const ColourLegend> ColourLegends() {
  return kLegends;
}

platform::Text ProjectorLegend() {
  return TR_TEXT("Keys",
                 "With projector colours: a white ground, black for black (and for white in the "
                 "Terrell rotation), dark red for light red, dark blue for light yellow, grey "
                 "for the trail.");
}

}  // namespace ui
