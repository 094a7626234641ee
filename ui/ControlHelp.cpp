// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ControlHelp.h"

#include <array>

namespace ui {
namespace {

constexpr std::string_view kSpeed = "The train's speed v, in track units per time unit.";
constexpr std::string_view kLight = "The speed of light in this demonstration, c = 30.";
constexpr std::string_view kLocalTime =
    "Frames in which the train moves forward, counted in fives: half-seconds at ten a second.";
constexpr std::string_view kContraction = "Click to switch length contraction on or off.";
constexpr std::string_view kLength =
    "The length of the train (the near edge) as the observer sees it, along the track; at rest "
    "1000.";
constexpr std::string_view kSeenSpeed =
    "How fast the observer sees the front of the train move along the track.";
constexpr std::string_view kProperTime =
    "The train's own time over the same frames: each adds the square root of 1 - v\u00b2/c\u00b2.";

constexpr std::array<ControlHelp, 12> kControlWindow = {{
    {"Tv", "Speed v", kSpeed},
    {"Lv", "", kSpeed},
    {"Tcc", "Speed of light c", kLight},
    {"Lcc", "", kLight},
    {"TTime", "Local time", kLocalTime},
    {"LTime", "", kLocalTime},
    {"TControl", "Length contraction", kContraction},
    {"LControl", "", kContraction},
    {"LType", "Demonstration type", "Click to choose the next demonstration.", true},
    {"Text7", "Demonstrations", "The three demonstrations and their numbers."},
    {"Text5", "Message", "What to do next."},
    {"CommandSimulation", "", "Steps to the next demonstration: 1, 2, 3, 1, ..."},
}};

constexpr std::array<ControlHelp, 7> kTrackWindow = {{
    {"Text5", "Demonstration title", "The demonstration now running."},
    {"Tlength_obs", "Observed length", kLength},
    {"Llength_obs", "", kLength},
    {"Tv_obs", "Observed speed", kSeenSpeed},
    {"Lv_obs", "", kSeenSpeed},
    {"TLocalTime", "Proper time", kProperTime},
    {"LLocalTime", "", kProperTime},
}};

}  // namespace

std::span<const ControlHelp> ControlWindowHelp() {
  return kControlWindow;
}
std::span<const ControlHelp> TrackWindowHelp() {
  return kTrackWindow;
}

}  // namespace ui
