// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <initializer_list>
#include <string>

#include "platform/Surface.h"
#include "tests/fakes/Rig.h"

namespace fakes {

// A surface that draws nothing and notes the first call that handed over a
// number that is not finite.
class CheckingSurface final : public platform::Surface {
 public:
  std::string fault;
  long long calls = 0;

  void ClearSurface() override { ++calls; }
  void setBackColor(platform::Rgb) override {}
  void setFontSize(float points) override { check({points}); }
  void setPenWidth(int) override {}
  void DrawCircle(float x, float y, float r, platform::Rgb) override { check({x, y, r}); }
  void DrawCircle(float x, float y, float r, platform::Rgb, float s, float e) override {
    check({x, y, r, s, e});
  }
  void DrawLine(float x1, float y1, float x2, float y2, platform::Rgb) override {
    check({x1, y1, x2, y2});
  }
  void DrawPoint(float x, float y, platform::Rgb) override { check({x, y}); }
  void KeepGround() override { ++calls; }
  bool HasGround() const override { return true; }
  void RestoreGround(float x1, float y1, float x2, float y2, float reach) override {
    check({x1, y1, x2, y2, reach});
  }
  void recolour(platform::ColourMap) override { ++calls; }

 private:
  void check(std::initializer_list<float> values);
};

// What must hold after every frame and every handler, whatever the user
// did: the speed within [-c, c], no run without its picture, a train of some length on its lap,
// every seen end on its track or line, every readout a plain finite number. Empty when all hold,
// else the first fault found.
std::string CheckInvariants(Rig& rig);

}  // namespace fakes
