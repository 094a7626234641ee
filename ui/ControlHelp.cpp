// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ControlHelp.h"

#include <array>

namespace ui {
namespace {

constexpr platform::Text kNoName{};
constexpr platform::Text kSpeed =
    TR_TEXT("Help", "The train's speed v, in track units per time unit.");
constexpr platform::Text kLight =
    TR_TEXT("Help", "The speed of light in this demonstration, c = 30.");
constexpr platform::Text kLocalTime =
    TR_TEXT("Help",
            "Frames in which the train moves forward, counted in fives: half-seconds at ten a "
            "second.");
constexpr platform::Text kContraction =
    TR_TEXT("Help", "Click to switch length contraction on or off.");
constexpr platform::Text kLength = TR_TEXT(
    "Help",
    "The length of the train (the near edge) as the observer sees it, along the track; at rest "
    "1000.");
constexpr platform::Text kSeenSpeed =
    TR_TEXT("Help", "How fast the observer sees the front of the train move along the track.");
constexpr platform::Text kProperTime = TR_TEXT(
    "Help", "The train's own time over the same frames: each adds the square root of 1 - v²/c².");

constexpr std::array<ControlHelp, 13> kControlWindow = {{
    {"Tv", TR_TEXT("Help", "Speed v"), kSpeed},
    {"Lv", kNoName, kSpeed},
    {"Tcc", TR_TEXT("Help", "Speed of light c"), kLight},
    {"Lcc", kNoName, kLight},
    {"TTime", TR_TEXT("Help", "Local time"), kLocalTime},
    {"LTime", kNoName, kLocalTime},
    {"TControl", TR_TEXT("Help", "Length contraction"), kContraction},
    {"LControl", kNoName, kContraction},
    {"LType", TR_TEXT("Help", "Demonstration type"),
     TR_TEXT("Help", "Click to choose the next demonstration."), true},
    {"Text7", TR_TEXT("Help", "Demonstrations"),
     TR_TEXT("Help", "The demonstrations and their numbers.")},
    {"Text5", TR_TEXT("Help", "Message"), TR_TEXT("Help", "What to do next.")},
    {"TAnnounce", TR_TEXT("Help", "Announcements"),
     TR_TEXT("Help", "What has just changed, said as it happens.")},
    {"CommandSimulation", kNoName,
     TR_TEXT("Help", "Steps to the next demonstration; after the last comes the first again.")},
}};

constexpr std::array<ControlHelp, 7> kTrackWindow = {{
    {"Text5", TR_TEXT("Help", "Demonstration title"),
     TR_TEXT("Help", "The demonstration now running.")},
    {"Tlength_obs", TR_TEXT("Help", "Observed length"), kLength},
    {"Llength_obs", kNoName, kLength},
    {"Tv_obs", TR_TEXT("Help", "Observed speed"), kSeenSpeed},
    {"Lv_obs", kNoName, kSeenSpeed},
    {"TLocalTime", TR_TEXT("Help", "Proper time"), kProperTime},
    {"LLocalTime", kNoName, kProperTime},
}};

}  // namespace

std::span<const ControlHelp> ControlWindowHelp() {
  return kControlWindow;
}
std::span<const ControlHelp> TrackWindowHelp() {
  return kTrackWindow;
}

std::string CloseBoxName(const std::string& caption, const platform::Language& language) {
  std::string name = language.localized(TR_TEXT("Page", "Close %1"));
  const std::size_t at = name.find("%1");
  if (at != std::string::npos) name.replace(at, 2, caption);
  return name;
}

void ApplyHelp(platform::Form& window, std::span<const ControlHelp> help,
               const platform::Language& language) {
  for (const ControlHelp& entry : help) {
    platform::Control& control = window.control(entry.control);
    const std::string name = language.localized(entry.accessibleName);
    if (entry.nameCarriesText) {
      control.nameWithText(name);
    } else if (!name.empty()) {
      control.setAccessibleName(name);
    }
    control.setTip(language.localized(entry.tip));
  }
}

}  // namespace ui
