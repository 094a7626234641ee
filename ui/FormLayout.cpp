// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/FormLayout.h"

#include <array>

namespace ui {
namespace {

using K = ControlKind;
constexpr platform::Rgb kRed = platform::RGB(255, 0, 0);
constexpr platform::Rgb kBlack = platform::RGB(0, 0, 0);
constexpr platform::Rgb kWhite = platform::RGB(255, 255, 255);

constexpr std::array<StoredControl, 18> kControlWindow = {{
    {"CommandStart", K::Button, "Start", 120, 120, 735, 375, true},
    {"CommandCancel", K::Button, "Cancel", 1080, 120, 735, 375, true},
    {"CommandVinc", K::Button, "v >", 120, 600, 735, 375, false},
    {"CommandVdec", K::Button, "v <", 120, 1080, 735, 375, false},
    {"CommandVzero", K::Button, "v = 0", 120, 1560, 735, 375, false},
    {"Lv", K::Label, "v", 1320, 600, 135, 255, true},
    {"Tv", K::TextBox, "Text2", 1560, 600, 495, 285, true},
    {"Lcc", K::Label, "c", 1320, 1080, 135, 255, true},
    {"Text7", K::MultiLineTextBox,
     "1 = Round Track\r\n2 = Horse Racing Track\r\n3 = Terrell rotation\r\n", 2760, 480, 1935, 670,
     true},
    {"Text5", K::TextBox, "Text5", 2040, 120, 2775, 285, true, true},
    {"TTime", K::TextBox, "TTime", 4200, 1560, 615, 285, true},
    {"LTime", K::Label, "Local Time", 3360, 1560, 975, 255, true},
    {"LControl", K::Label, "Length Contraction", 960, 1560, 1455, 255, true},
    {"TControl", K::TextBox, "OFF", 2400, 1560, 495, 285, true, true},
    {"LType", K::Label, "LType", 1080, 2040, 615, 255, true, true, std::nullopt, kWhite},
    {"Tcc", K::TextBox, "Text2", 1560, 1080, 495, 285, false},
    {"CommandFreeze", K::Button, "Freeze", 3240, 600, 975, 375, false},
    {"CommandSimulation", K::Button, "Simulation", 120, 2040, 975, 375, true},
}};

constexpr std::array<StoredControl, 7> kTrackWindow = {{
    {"Text5", K::TextBox, "Text5", 720, 120, 2775, 285, true, true},
    {"Tlength_obs", K::TextBox, "Length", 1080, 2760, 735, 285, true},
    {"Llength_obs", K::Label, "Length obs", 120, 2760, 855, 255, true},
    {"Tv_obs", K::TextBox, "Tv_obs", 2640, 2760, 735, 285, true, false, kRed},
    {"Lv_obs", K::Label, "v obs", 2040, 2760, 495, 255, true, false, kRed},
    {"TLocalTime", K::TextBox, "TTime", 4680, 2760, 495, 285, true, false, kBlack},
    {"LLocalTime", K::Label, "Proper Time", 3720, 2760, 855, 255, true, false, kBlack},
}};

}  // namespace

const WindowLayout& ControlWindowLayout() {
  static const WindowLayout stored{"Control Display", 4935, 2010, kControlWindow};
  return stored;
}

const WindowLayout& TrackWindowLayout() {
  static const WindowLayout stored{"Track Display", 5340, 3165, kTrackWindow};
  return stored;
}

}  // namespace ui
