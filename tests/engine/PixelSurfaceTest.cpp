// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <random>

#include "platform/ChangedAreas.h"
#include "platform/web/PixelSurface.h"
#include "tests/fakes/EveryShape.h"
#include "tests/fakes/Rig.h"
#include "web/testing/FrameRecorder.h"

using platform::PaletteColor;
using platform::PixelSurface;
using platform::Rgb;

// The browser's drawing surface: shapes drawn again in the background
// colour leave nothing, and whole runs leave only their last frame.
namespace {

const Rgb kBg = platform::RGB(192, 192, 192);

PixelSurface freshSurface(double ratio = 1) {
  PixelSurface surface;
  surface.setRatio(ratio);
  surface.resize(static_cast<int>(400 * ratio), static_cast<int>(300 * ratio));
  surface.setBackColor(kBg);
  surface.setPenWidth(2);
  return surface;
}

int pixelsOtherThan(const PixelSurface& surface, Rgb colour) {
  int count = 0;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) count += surface.pixel(x, y) != colour;
  }
  return count;
}

}  // namespace

// At every ratio of device to CSS pixels a browser or zoom gives.
TEST(PixelSurface, RedrawingInTheBackgroundLeavesNoPixel) {
  for (double ratio : {1.0, 1.25, 1.5, 2.0, 3.0}) {
    PixelSurface surface = freshSurface(ratio);
    fakes::DrawEveryShape(surface, [](Rgb c) { return c; });
    EXPECT_GT(pixelsOtherThan(surface, kBg), 2000 * ratio * ratio) << ratio;
    fakes::DrawEveryShape(surface, [](Rgb) { return kBg; });
    EXPECT_EQ(pixelsOtherThan(surface, kBg), 0) << ratio;
  }
}

// Moved to a screen of another ratio, or zoomed, the picture is scaled into
// the new buffer; lines keep their place, in device pixels of the new ratio.
TEST(PixelSurface, ANewRatioKeepsThePicture) {
  PixelSurface surface = freshSurface(1);
  surface.DrawLine(150, 1500, 4500, 1500, PaletteColor(0));  // CSS pixels 10..300 at y 100
  surface.setRatio(2);
  EXPECT_EQ(surface.width(), 800);
  EXPECT_EQ(surface.pixel(400, 200), PaletteColor(0));
  EXPECT_EQ(surface.pixel(400, 210), kBg);
  surface.setRatio(1);
  EXPECT_EQ(surface.width(), 400);
  EXPECT_EQ(surface.pixel(200, 100), PaletteColor(0));
  // Drawn at ratio 2 a line is twice as long and, its pen widened, twice as thick.
  PixelSurface sharp = freshSurface(2);
  sharp.DrawLine(150, 1500, 4500, 1500, PaletteColor(0));
  auto thickness = [](const PixelSurface& s, int x) {
    int dark = 0;
    for (int y = 0; y < s.height(); ++y) dark += s.pixel(x, y) == PaletteColor(0);
    return dark;
  };
  EXPECT_EQ(thickness(surface, 200), 2);
  EXPECT_EQ(thickness(sharp, 400), 4);
  EXPECT_NEAR(pixelsOtherThan(sharp, kBg), 4 * pixelsOtherThan(surface, kBg), 8);
}

// Every new pixel takes the old one under its centre: up to any ratio and
// back gives the picture again, pixel for pixel, and the edges stay edges
// even where the new size rounds up (401 x 1.5 = 601.5).
TEST(PixelSurface, ARatioAndBackGivesThePictureExactly) {
  for (double ratio : {1.25, 1.5, 2.0, 3.0}) {
    PixelSurface surface;
    surface.resize(401, 301);
    surface.setBackColor(kBg);
    surface.setPenWidth(2);
    fakes::DrawEveryShape(surface, [](Rgb c) { return c; });
    surface.DrawLine(6015, 0, 6015, 4515, PaletteColor(0));  // down the right edge
    const PixelSurface before = surface;
    surface.setRatio(ratio);
    for (int y = 0; y < surface.height(); ++y) {
      ASSERT_EQ(surface.pixel(surface.width() - 1, y), PaletteColor(0)) << ratio << " row " << y;
    }
    surface.setRatio(1);
    ASSERT_EQ(surface.width(), 401);
    int changed = 0;
    for (int y = 0; y < 301; ++y) {
      for (int x = 0; x < 401; ++x) changed += surface.pixel(x, y) != before.pixel(x, y);
    }
    EXPECT_EQ(changed, 0) << ratio;
  }
}

// The canvas takes RGBA bytes: red first, and every pixel opaque.
TEST(PixelSurface, PixelsAreOpaqueRgbaBytes) {
  PixelSurface surface = freshSurface();
  surface.DrawLine(150, 150, 1500, 150, platform::RGB(255, 128, 0));
  const auto* bytes = reinterpret_cast<const unsigned char*>(surface.pixels());
  const std::size_t onLine = std::size_t{10 * 400 + 50} * 4;
  EXPECT_EQ(bytes[onLine], 255);
  EXPECT_EQ(bytes[onLine + 1], 128);
  EXPECT_EQ(bytes[onLine + 2], 0);
  EXPECT_EQ(bytes[onLine + 3], 255);
  EXPECT_EQ(bytes[3], 255);  // the background too
}

TEST(PixelSurface, ShapesLandWhereTheDesktopDrawsThem) {
  PixelSurface surface = freshSurface();
  surface.DrawLine(150, 150, 1500, 150, PaletteColor(0));  // 10 px down, 10 to 100 across
  EXPECT_EQ(surface.pixel(50, 10), PaletteColor(0));
  EXPECT_EQ(surface.pixel(50, 13), kBg);
  EXPECT_EQ(surface.pixel(120, 10), kBg);
  surface.DrawCircle(3000, 2000, 1200, PaletteColor(12), 0.0F, 1.5707963F);  // upper right quarter
  EXPECT_EQ(surface.pixel(280, 132), PaletteColor(12));        // at angle 0, just above
  EXPECT_EQ(surface.pixel(200, 53), PaletteColor(12));         // at angle pi/2, up the screen
  EXPECT_EQ(surface.pixel(200, 213), kBg);                     // at 3 pi/2: not in the arc
  EXPECT_EQ(surface.pixel(120, 133), kBg);                     // at pi: not in the arc
  surface.DrawLine(1500, 3750, 1500, 3750, PaletteColor(15));  // no length: a dot
  EXPECT_EQ(surface.pixel(100, 250), PaletteColor(15));
  EXPECT_EQ(surface.pixel(278, 147), kBg);  // at 350 degrees: just before it
}

// A line covers exactly the pixels whose centres lie within half the pen of
// it, slanted or not, at any ratio: no pixel of its box is left untested.
TEST(PixelSurface, ALineCoversEveryPixelWithinHalfThePenAndNoOther) {
  std::mt19937 random(20261208);
  std::uniform_real_distribution<float> across(-300, 6300), down(-300, 4800);
  for (double ratio : {1.0, 2.0, 2.5}) {
    for (int pen : {1, 2, 3}) {
      for (int line = 0; line < 40; ++line) {
        PixelSurface surface = freshSurface(ratio);
        surface.setPenWidth(pen);
        const float x1 = across(random), y1 = down(random), x2 = across(random), y2 = down(random);
        surface.DrawLine(x1, y1, x2, y2, PaletteColor(0));
        const auto pixels = [ratio](float twips) {
          return static_cast<double>(twips) / 15 * ratio;
        };
        const double ax = pixels(x1), ay = pixels(y1), dx = pixels(x2) - ax, dy = pixels(y2) - ay;
        const double half = pen * ratio / 2;
        int wrong = 0;
        for (int y = 0; y < surface.height(); ++y) {
          for (int x = 0; x < surface.width(); ++x) {
            const double px = x + 0.5, py = y + 0.5;
            const double length2 = dx * dx + dy * dy;
            const double t = std::clamp(
                length2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / length2 : 0.0, 0.0, 1.0);
            const double ex = px - (ax + t * dx), ey = py - (ay + t * dy);
            const bool within = ex * ex + ey * ey <= half * half;
            wrong += within != (surface.pixel(x, y) == PaletteColor(0));
          }
        }
        EXPECT_LE(wrong, 0) << "ratio " << ratio << ", pen " << pen << ", line " << line;
      }
    }
  }
}

TEST(PixelSurface, EqualAnglesDrawNothingAndSmallCirclesAreDisks) {
  PixelSurface surface = freshSurface();
  surface.DrawCircle(3000, 2000, 600, PaletteColor(14), 1.0F, 1.0F);
  EXPECT_EQ(pixelsOtherThan(surface, kBg), 0);
  surface.DrawCircle(3000, 2000, 15, PaletteColor(12));  // 1 pixel: inside the pen
  EXPECT_EQ(surface.pixel(200, 133), PaletteColor(12));
  // The three rings that erase a seen front cover its dot completely.
  for (float radius : {60.0F, 40.0F, 20.0F}) surface.DrawCircle(3000, 2000, radius, kBg);
  EXPECT_EQ(pixelsOtherThan(surface, kBg), 0);
}

TEST(PixelSurface, GrowsOnlyAndKeepsThePicture) {
  PixelSurface surface = freshSurface();
  surface.DrawLine(150, 150, 1500, 150, PaletteColor(0));
  surface.resize(100, 50);
  EXPECT_EQ(surface.width(), 400);
  surface.resize(450, 300);  // wider only
  EXPECT_EQ(surface.width(), 450);
  surface.resize(450, 320);  // taller only
  EXPECT_EQ(surface.height(), 320);
  surface.resize(500, 320);
  EXPECT_EQ(surface.width(), 500);
  EXPECT_EQ(surface.height(), 320);
  EXPECT_EQ(surface.pixel(50, 10), PaletteColor(0));
  EXPECT_EQ(surface.pixel(450, 310), kBg);
}

TEST(PixelSurface, ReportsTheAreaEachShapeChanged) {
  std::vector<platform::PixelRect> areas;
  PixelSurface surface([&](const platform::PixelRect& area) { areas.push_back(area); });
  surface.resize(400, 300);
  surface.setPenWidth(2);
  areas.clear();
  surface.DrawLine(150, 150, 1500, 150, PaletteColor(0));
  ASSERT_EQ(areas.size(), 1U);
  EXPECT_LE(areas[0].x, 9);
  EXPECT_GE(areas[0].x + areas[0].width, 101);
  EXPECT_LE(areas[0].y, 9);
  EXPECT_GE(areas[0].y + areas[0].height, 11);
  EXPECT_LE(areas[0].height, 6);
  EXPECT_LE(areas[0].width, 96);
}

// Whole runs in the browser's surface: after laps and restarts at changing
// speeds and contraction, every pixel that is not background belongs to the
// last frame's shapes, or is the trail of the seen rear; with the usual pens
// and with the projector palette's thick ones in a tall window.
TEST(PixelSurface, RunsLeaveOnlyTheirLastFrame) {
  for (const auto& [palette, height] : {std::pair{engine::Palette::Usual, 3165.0F},
                                        std::pair{engine::Palette::Projector, 9495.0F}}) {
    for (int simtype : {1, 2, 3}) {
      fakes::Rig rig;
      PixelSurface pixels;
      web::FrameRecorder recorder(pixels);
      rig.form2Window.drawOn(recorder);
      rig.form2Window.setHeight(height);
      if (rig.m.palette != palette) rig.commands.SwitchPalette();
      rig.runLoop.setFrameObserver([&] { recorder.frameEnded(); });
      rig.startRun(simtype);
      pixels.resize(static_cast<int>(rig.form2Window.width() / 15),
                    static_cast<int>(rig.form2Window.height() / 15));
      pixels.ClearSurface();
      // Speed clicks, then frames; contraction switched before each but the third.
      const int steps[][2] = {{12, 40}, {29, 60}, {-5, 40}, {-40, 30}, {20, 50}};
      for (const auto& [clicks, frames] : steps) {
        if (clicks > 0) rig.clickVinc(clicks);
        for (int i = 0; i < -clicks; ++i) rig.commands.CommandVdec_Click();
        if (clicks != -5) rig.commands.TControl_Click();
        rig.runFrames(rig.runLoop.framesDrawn() + frames);
      }
      const PixelSurface& alone = recorder.lastFrameAlone();
      const engine::Colours& colours = rig.m.colours;
      int remnants = 0;
      for (int y = 0; y < pixels.height(); ++y) {
        for (int x = 0; x < pixels.width(); ++x) {
          const Rgb shown = pixels.pixel(x, y);
          remnants +=
              shown != colours.background && shown != alone.pixel(x, y) && shown != colours.trail;
        }
      }
      EXPECT_EQ(remnants, 0) << "demonstration " << simtype << ", pen " << pixels.penWidth();
      EXPECT_GT(pixelsOtherThan(alone, colours.background), 100) << "demonstration " << simtype;
    }
  }
}

// Only a ring's rows are searched, but exactly the pixels whose centres lie
// within the pen's reach of the circle are covered, whatever the size.
TEST(PixelSurface, ARingCoversEveryPixelWithinThePensReachAndNoOther) {
  int mismatches = 0, rings = 0;
  for (int pen : {1, 2, 3, 6}) {
    for (double radius = 0.7; radius < 140; radius = radius * 1.37 + 0.31) {
      const double cx = 150.37 + radius / 7, cy = 148.61 - radius / 11;
      PixelSurface surface = freshSurface();
      surface.setPenWidth(pen);
      surface.DrawCircle(static_cast<float>(cx * 15), static_cast<float>(cy * 15),
                         static_cast<float>(radius * 15), PaletteColor(0));
      const double r = static_cast<float>(radius * 15) / 15.0;
      const double x = static_cast<float>(cx * 15) / 15.0, y = static_cast<float>(cy * 15) / 15.0;
      const double half = pen / 2.0;
      for (int py = 0; py < surface.height(); ++py) {
        for (int px = 0; px < surface.width(); ++px) {
          const double d2 = (px + 0.5 - x) * (px + 0.5 - x) + (py + 0.5 - y) * (py + 0.5 - y);
          const bool inReach = r <= pen
                                   ? d2 <= (r + half) * (r + half)
                                   : d2 <= (r + half) * (r + half) && d2 >= (r - half) * (r - half);
          mismatches += inReach != (surface.pixel(px, py) == PaletteColor(0));
        }
      }
      ++rings;
    }
  }
  EXPECT_EQ(mismatches, 0) << rings << " rings";
}

// The ground comes back within the reach of a segment or a point: every
// pixel whose centre lies within it, and none much beyond (a row takes what
// the band could touch, a pixel more); at every ratio.
TEST(PixelSurface, TheGroundComesBackWithinTheReachOfASegment) {
  std::mt19937 random(8122026);
  std::uniform_real_distribution<float> across(-300, 6300), down(-300, 4800), reach(0, 150);
  const Rgb drawn = PaletteColor(0);
  int missed = 0, beyond = 0;
  for (double ratio : {1.0, 1.5, 2.0}) {
    for (int band = 0; band < 40; ++band) {
      PixelSurface surface = freshSurface(ratio);
      surface.ClearSurface();
      surface.KeepGround();
      surface.setPenWidth(400);  // the whole picture drawn over the ground
      surface.DrawLine(0, 2250, 6000, 2250, drawn);
      const float x1 = across(random), y1 = down(random), r = reach(random);
      // Every fourth band is round a point, as round a mark.
      const float x2 = band % 4 == 0 ? x1 : across(random), y2 = band % 4 == 0 ? y1 : down(random);
      surface.RestoreGround(x1, y1, x2, y2, r);
      const auto pixels = [ratio](float twips) { return static_cast<double>(twips) / 15 * ratio; };
      const double ax = pixels(x1), ay = pixels(y1), dx = pixels(x2) - ax, dy = pixels(y2) - ay;
      const double within = pixels(r), slack = within * 1.5 + 1.5;
      for (int y = 0; y < surface.height(); ++y) {
        for (int x = 0; x < surface.width(); ++x) {
          const double px = x + 0.5, py = y + 0.5, length2 = dx * dx + dy * dy;
          const double t =
              std::clamp(length2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / length2 : 0.0, 0.0, 1.0);
          const double distance = std::hypot(px - (ax + t * dx), py - (ay + t * dy));
          const bool restored = surface.pixel(x, y) == kBg;
          missed += distance <= within && !restored;
          beyond += distance > slack && restored;
        }
      }
    }
  }
  EXPECT_EQ(missed, 0);
  EXPECT_EQ(beyond, 0);
}

// A ground lasts until the picture is cleared, resized or rescaled; without
// one, putting it back does nothing.
TEST(PixelSurface, TheGroundLastsUntilThePictureIsClearedResizedOrRescaled) {
  const auto drawnOver = [](PixelSurface& surface) {
    surface.setPenWidth(400);
    surface.DrawLine(0, 2250, 6000, 2250, PaletteColor(0));
  };
  const std::pair<const char*, std::function<void(PixelSurface&)>> losses[] = {
      {"cleared", [](PixelSurface& s) { s.ClearSurface(); }},
      {"resized", [](PixelSurface& s) { s.resize(s.width() + 1, s.height()); }},
      {"rescaled", [](PixelSurface& s) { s.setRatio(2); }}};
  for (const auto& [name, lose] : losses) {
    PixelSurface surface = freshSurface();
    EXPECT_FALSE(surface.HasGround()) << name;
    surface.KeepGround();
    EXPECT_TRUE(surface.HasGround()) << name;
    lose(surface);
    EXPECT_FALSE(surface.HasGround()) << name;
    drawnOver(surface);
    const int before = pixelsOtherThan(surface, kBg);
    surface.RestoreGround(0, 2250, 6000, 2250, 300);
    EXPECT_EQ(pixelsOtherThan(surface, kBg), before) << name;
  }
}

// The changed areas of a frame are kept few and each within a little of
// what changed: every area added lies inside one kept, far ones stay apart.
TEST(ChangedAreas, KeepsEveryAreaInFewWithoutTheRoomBetween) {
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> at(0, 2000), size(1, 120);
  for (int frame = 0; frame < 200; ++frame) {
    platform::ChangedAreas changed;
    std::vector<platform::PixelRect> added;
    for (int n = frame % 40; n > 0; --n) {
      added.push_back({at(random), at(random), size(random), size(random)});
      changed.add(added.back());
    }
    EXPECT_LE(changed.areas().size(), 8U);
    for (const platform::PixelRect& a : added) {
      EXPECT_TRUE(std::any_of(changed.areas().begin(), changed.areas().end(),
                              [&](const auto& k) {
                                return k.x <= a.x && k.y <= a.y && a.x + a.width <= k.x + k.width &&
                                       a.y + a.height <= k.y + k.height;
                              }))
          << "frame " << frame;
    }
  }
  platform::ChangedAreas apart;
  apart.add({0, 0, 10, 10});
  apart.add({1500, 1500, 10, 10});
  apart.add({4, 4, 10, 10});  // joins the first
  EXPECT_EQ(apart.areas().size(), 2U);
  apart.clear();
  EXPECT_TRUE(apart.empty());
}

// A ground takes a new palette with the picture: put back, it shows the
// new colours, as a picture drawn in them would.
TEST(PixelSurface, TheGroundTakesANewPaletteWithThePicture) {
  PixelSurface surface = freshSurface();
  surface.DrawLine(300, 300, 5000, 1200, PaletteColor(1));
  surface.DrawCircle(3000, 2000, 600, PaletteColor(2));
  surface.KeepGround();
  const std::pair<Rgb, Rgb> map[] = {{kBg, PaletteColor(7)}, {PaletteColor(1), PaletteColor(4)}};
  surface.recolour(map);
  PixelSurface expected = surface;
  surface.DrawLine(0, 0, 6000, 4500, PaletteColor(0));
  surface.RestoreGround(0, 0, 6000, 4500, 60);
  EXPECT_TRUE(surface.HasGround());
  int differ = 0;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) differ += surface.pixel(x, y) != expected.pixel(x, y);
  }
  EXPECT_EQ(differ, 0);
}
