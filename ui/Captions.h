// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

#include "engine/Module1.h"
#include "platform/Language.h"

namespace ui {

// The captions that show the control window's choices. Each is a view of a
// value of Module1, written through the user's language.

constexpr platform::Text StartCaption(engine::RunMode mode) {
  switch (mode) {
    case engine::RunMode::Choosing:
      //: The Start button while a demonstration is being chosen: starts it.
      return TR_TEXT("Control window", "Select");
    case engine::RunMode::Running:
      return TR_TEXT("Control window", "Stop");
    case engine::RunMode::Idle:
      break;
  }
  return TR_TEXT("Control window", "Start");
}

//: The length-contraction switch; its box is narrow (about 4 letters).
constexpr platform::Text ContractionCaption(bool on) {
  return on ? TR_TEXT("Control window", "ON") : TR_TEXT("Control window", "OFF");
}

//: The Freeze button while the picture is frozen: lets it go on.
constexpr platform::Text FreezeCaption(bool frozen) {
  return frozen ? TR_TEXT("Control window", "Un Freeze") : TR_TEXT("Control window", "Freeze");
}

// "1 = Round Track" and the rest, one line each, every line ended by CR LF.
std::string DemonstrationList(std::span<const engine::Demonstration> demonstrations,
                              const platform::Language& language);

}  // namespace ui
