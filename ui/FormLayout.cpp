// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormLayout.h"

#include <array>

#include "engine/Views.h"
#include "engine/scenes/Demonstration.h"
#include "ui/Captions.h"

namespace ui {
namespace {

using K = ControlKind;
constexpr platform::Rgb kRed = platform::RGB(255, 0, 0);
constexpr platform::Rgb kBlack = platform::RGB(0, 0, 0);
constexpr platform::Rgb kWhite = platform::RGB(255, 255, 255);

constexpr std::array<StoredControl, 19> kControlWindow = {{
    {"CommandStart", K::Button, StartCaption(engine::RunMode::Idle), 120, 120, 735, 375, true},
    {"CommandCancel", K::Button, TR_TEXT("Control window", "Cancel"), 1080, 120, 735, 375, true},
    {"CommandVinc", K::Button, {nullptr, "v >"}, 120, 600, 735, 375, false},
    {"CommandVdec", K::Button, {nullptr, "v <"}, 120, 1080, 735, 375, false},
    {"CommandVzero", K::Button, {nullptr, "v = 0"}, 120, 1560, 735, 375, false},
    {"Lv", K::Label, {nullptr, "v"}, 1320, 600, 135, 255, true},
    {"Tv", K::TextBox, {nullptr, "Text2"}, 1560, 600, 495, 285, true},
    {"Lcc", K::Label, {nullptr, "c"}, 1320, 1080, 135, 255, true},
    // The list of demonstrations is written by the load, from their table,
    // which gives the box its height too.
    {"Text7", K::MultiLineTextBox, {nullptr, "Text7"}, 2760, 480, 1935, 0, true},
    {"Text5", K::TextBox, {nullptr, "Text5"}, 2040, 120, 2775, 285, true, true},
    {"TTime", K::TextBox, {nullptr, "TTime"}, 4200, 1560, 615, 285, true},
    {"LTime", K::Label, TR_TEXT("Control window", "Local Time"), 3360, 1560, 975, 255, true},
    {"LControl", K::Label, TR_TEXT("Control window", "Length Contraction"), 960, 1560, 1455, 255,
     true},
    {"TControl", K::TextBox, ContractionCaption(false), 2400, 1560, 495, 285, true, true},
    {"LType", K::Label, {nullptr, "LType"}, 1080, 2040, 615, 255, true, true, std::nullopt, kWhite},
    {"Tcc", K::TextBox, {nullptr, "Text2"}, 1560, 1080, 495, 285, false},
    {"CommandFreeze", K::Button, FreezeCaption(false), 3240, 600, 975, 375, false},
    {"CommandSimulation", K::Button, TR_TEXT("Control window", "Simulation"), 120, 2040, 975, 375,
     true},
    // What has just changed, said as it happens: a line for the eye, a box
    // whose changes a screen reader hears.
    {"TAnnounce", K::TextBox, {nullptr, ""}, 120, 1965, 4695, 285, true},
}};

constexpr std::array<StoredControl, 7> kTrackWindow = {{
    {"Text5", K::TextBox, {nullptr, "Text5"}, 720, 120, 2775, 285, true, true},
    {"Tlength_obs", K::TextBox, {nullptr, "Length"}, 1080, 2760, 735, 285, true},
    {"Llength_obs", K::Label, TR_TEXT("Track window", "Length obs"), 120, 2760, 855, 255, true},
    {"Tv_obs", K::TextBox, {nullptr, "Tv_obs"}, 2640, 2760, 735, 285, true, false, kRed},
    {"Lv_obs", K::Label, TR_TEXT("Track window", "v obs"), 2040, 2760, 495, 255, true, false, kRed},
    {"TLocalTime", K::TextBox, {nullptr, "TTime"}, 4680, 2760, 495, 285, true, false, kBlack},
    {"LLocalTime", K::Label, TR_TEXT("Track window", "Proper Time"), 3720, 2760, 855, 255, true,
     false, kBlack},
}};

// The spacetime diagram's window: its picture is drawn, its words are
// labels the diagram places as it draws.
constexpr std::array<StoredControl, 14> kSpacetimeWindow = {{
    {"LTimeAxis", K::Label, TR_TEXT("Spacetime", "Time (now at the top)"), 60, 60, 3600, 255, true},
    {"LPositionAxis", K::Label, TR_TEXT("Spacetime", "Position along the track"), 900, 3165, 3600,
     255, true},
    {"LTickX0", K::Label, {nullptr, ""}, 0, 2910, 750, 255, true, true},
    {"LTickX1", K::Label, {nullptr, ""}, 0, 2910, 750, 255, true, true},
    {"LTickX2", K::Label, {nullptr, ""}, 0, 2910, 750, 255, true, true},
    {"LTickX3", K::Label, {nullptr, ""}, 0, 2910, 750, 255, true, true},
    {"LTickX4", K::Label, {nullptr, ""}, 0, 2910, 750, 255, true, true},
    {"LTickT0", K::Label, {nullptr, ""}, 0, 420, 750, 255, true, true},
    {"LTickT1", K::Label, {nullptr, ""}, 0, 420, 750, 255, true, true},
    {"LTickT2", K::Label, {nullptr, ""}, 0, 420, 750, 255, true, true},
    {"LTickT3", K::Label, {nullptr, ""}, 0, 420, 750, 255, true, true},
    {"LLegendLines", K::Label, {nullptr, ""}, 60, 3480, 15000, 255, true},
    {"LLegendCone", K::Label, {nullptr, ""}, 60, 3735, 15000, 255, true},
    {"LLegendSeen", K::Label, {nullptr, ""}, 60, 3990, 15000, 255, true},
}};

// The list box holds a line for each demonstration and a thin margin.
constexpr float kListLineHeight = 220, kListMargin = 10;

}  // namespace

WindowLayout ControlWindowLayoutFor(std::size_t demonstrations) {
  WindowLayout layout{TR_TEXT("Control window", "Control Display"),
                      4935,
                      2010,
                      {kControlWindow.begin(), kControlWindow.end()}};
  for (StoredControl& control : layout.controls) {
    if (control.name == "Text7") {
      control.height = static_cast<float>(demonstrations) * kListLineHeight + kListMargin;
    }
  }
  return layout;
}

const WindowLayout& ControlWindowLayout() {
  static const WindowLayout stored = ControlWindowLayoutFor(engine::Demonstrations().size());
  return stored;
}

const WindowLayout& SpacetimeWindowLayout() {
  static const WindowLayout stored{TR_TEXT("Spacetime", "Spacetime"),
                                   5700,
                                   4290,
                                   {kSpacetimeWindow.begin(), kSpacetimeWindow.end()}};
  return stored;
}

const WindowLayout& TrackWindowLayout() {
  static const WindowLayout stored{TR_TEXT("Track window", "Track Display"),
                                   5340,
                                   engine::kStoredTrackHeight,
                                   {kTrackWindow.begin(), kTrackWindow.end()}};
  return stored;
}

}  // namespace ui
