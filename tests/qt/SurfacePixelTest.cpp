// SPDX-License-Identifier: GPL-3.0-or-later
#include <QImage>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/qt/ImageSurface.h"
#include "tests/fakes/EveryShape.h"

using platform::ImageSurface;
using platform::PaletteColor;
using platform::Rgb;

namespace {

const Rgb kBg = platform::RGB(192, 192, 192);

int pixelsOtherThan(const QImage& image, QRgb background) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if ((line[x] & 0xFFFFFFU) != (background & 0xFFFFFFU)) ++count;
    }
  }
  return count;
}

ImageSurface freshSurface(qreal ratio = 1.0) {
  ImageSurface surface;
  surface.resize(QSize(400, 300), ratio);
  surface.setBackColor(kBg);
  surface.ClearSurface();
  surface.setPenWidth(2);
  return surface;
}

}  // namespace

class SurfacePixelTest : public QObject {
  Q_OBJECT

 private slots:
  // Each shape reports where it changed the picture, putting the ground back
  // too: every changed pixel lies in what was reported, and the ground comes
  // back within the reach of its band and not much beyond, at any ratio.
  void everyChangeIsReportedAndTheGroundComesBackWithinItsBand_data() {
    QTest::addColumn<qreal>("ratio");
    for (qreal ratio : {1.0, 1.5, 2.0}) QTest::addRow("ratio %.1f", ratio) << ratio;
  }

  void everyChangeIsReportedAndTheGroundComesBackWithinItsBand() {
    QFETCH(qreal, ratio);
    const Rgb drawn = PaletteColor(0), shown = PaletteColor(12);
    const std::function<void(ImageSurface&)> shapes[] = {
        [&](ImageSurface& s) { s.DrawCircle(3000, 2000, 900, shown); },
        [&](ImageSurface& s) { s.DrawCircle(1234.5F, 987.25F, 15, shown); },
        [&](ImageSurface& s) { s.DrawCircle(3000, 2000, 1200, shown, 1.5F, 2.4F); },
        [&](ImageSurface& s) { s.DrawLine(500.3F, 3300.9F, 2000.1F, 300.2F, shown); },
        [&](ImageSurface& s) { s.DrawPoint(3000, 2000, shown); },
        // The ground put back along a band that starts at the top edge.
        [&](ImageSurface& s) { s.RestoreGround(700, 0, 2600, 4000, 120); }};
    for (const auto& shape : shapes) {
      QRegion reported;
      ImageSurface surface([&](const QRect& area) { reported += area; });
      surface.resize(QSize(400, 300), ratio);
      surface.setBackColor(kBg);
      surface.ClearSurface();
      surface.KeepGround();
      surface.setPenWidth(400);  // the whole picture drawn over the ground
      surface.DrawLine(0, 2250, 6000, 2250, drawn);
      surface.setPenWidth(3);
      const QImage before = surface.image();
      reported = QRegion();
      shape(surface);
      const QImage& after = surface.image();
      int unreported = 0, changed = 0;
      for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
          if (after.pixel(x, y) == before.pixel(x, y)) continue;
          ++changed;
          unreported += !reported.contains(
              QPoint(static_cast<int>((x + 0.5) / ratio), static_cast<int>((y + 0.5) / ratio)));
        }
      }
      QVERIFY(changed > 0);
      QCOMPARE(unreported, 0);
    }
    // Along the band from (700, 0) to (2600, 4000) twips, reach 120.
    ImageSurface surface = freshSurface(ratio);
    surface.KeepGround();
    surface.setPenWidth(400);
    surface.DrawLine(0, 2250, 6000, 2250, drawn);
    surface.DrawLine(0, 0, 6000, 0, drawn);
    surface.RestoreGround(700, 0, 2600, 4000, 120);
    const double ax = 700 / 15.0 * ratio, dx = 1900 / 15.0 * ratio, dy = 4000 / 15.0 * ratio;
    const double within = 120 / 15.0 * ratio, slack = within * 1.5 + 1.5;
    int missed = 0, beyond = 0;
    const QImage& image = surface.image();
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const double px = x + 0.5, py = y + 0.5;
        const double t = std::clamp(((px - ax) * dx + py * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        const double distance = std::hypot(px - (ax + t * dx), py - t * dy);
        const bool restored =
            (image.pixel(x, y) & 0xFFFFFFU) == (platform::ToQColor(kBg).rgb() & 0xFFFFFFU);
        missed += distance <= within && !restored;
        beyond += distance > slack && restored;
      }
    }
    QCOMPARE(missed, 0);
    QCOMPARE(beyond, 0);
  }

  // A line ends round at both ends, as a round pen's would: drawn half a
  // pen beyond each end, and no further.
  void aLineEndsRoundAtBothEnds() {
    for (qreal ratio : {1.0, 2.0}) {
      ImageSurface surface = freshSurface(ratio);
      surface.setPenWidth(12);
      surface.DrawLine(1500, 2000, 4500, 2000, PaletteColor(0));  // 100 to 300 px across
      const auto drawnAt = [&](double x) {
        const QRgb pixel = surface.image().pixel(static_cast<int>(x * ratio),
                                                 static_cast<int>(2000 / 15.0 * ratio));
        return (pixel & 0xFFFFFFU) != (platform::ToQColor(kBg).rgb() & 0xFFFFFFU);
      };
      QVERIFY(drawnAt(95) && drawnAt(305));
      QVERIFY(!drawnAt(92) && !drawnAt(308));
    }
  }

  void redrawingInTheBackgroundLeavesNoPixel_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ratio 1") << 1.0;
    QTest::newRow("ratio 2") << 2.0;
  }

  void redrawingInTheBackgroundLeavesNoPixel() {
    QFETCH(qreal, ratio);
    ImageSurface surface = freshSurface(ratio);
    fakes::DrawEveryShape(surface, [](Rgb c) { return c; });
    QVERIFY(pixelsOtherThan(surface.image(), platform::ToQColor(kBg).rgb()) > 1000);
    fakes::DrawEveryShape(surface, [](Rgb) { return kBg; });
    QCOMPARE(pixelsOtherThan(surface.image(), platform::ToQColor(kBg).rgb()), 0);
  }

  void equalAnglesDrawNothing() {
    ImageSurface surface = freshSurface();
    surface.DrawCircle(3000, 2000, 600, PaletteColor(0), 2.5F, 2.5F);
    QCOMPARE(pixelsOtherThan(surface.image(), platform::ToQColor(kBg).rgb()), 0);
  }

  void arcRunsCounterClockwiseFromStartToEnd() {
    ImageSurface surface = freshSurface();
    // From pi/2 (top) to pi (left): the upper left quarter only.
    surface.DrawCircle(3000, 2250, 1500, PaletteColor(0), 3.141592653589F / 2, 3.141592653589F);
    const QImage& image = surface.image();
    const QRgb black = qRgb(0, 0, 0);
    const int cx = 200, cy = 150, r = 100;
    const int d = static_cast<int>(r / std::sqrt(2.0));
    auto darkNear = [&](int x, int y) {
      for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
          if (image.pixel(x + dx, y + dy) == black) return true;
      return false;
    };
    QVERIFY(darkNear(cx - d, cy - d));   // upper left
    QVERIFY(!darkNear(cx + d, cy - d));  // upper right
    QVERIFY(!darkNear(cx - d, cy + d));  // lower left
  }

  void ringsOfTheNextSizesEraseTheSeenEndDot() {
    ImageSurface surface = freshSurface();
    const float centres[][2] = {{3000, 2000}, {1234.5F, 987.25F}, {77.7F, 2500.1F}};
    for (const auto& c : centres) {
      surface.DrawCircle(c[0], c[1], 15, PaletteColor(12));
      surface.DrawCircle(c[0], c[1], 20, kBg);
    }
    QCOMPARE(pixelsOtherThan(surface.image(), platform::ToQColor(kBg).rgb()), 0);
  }

  void aNewBackgroundColourRepaintsOnlyWhenItChanges() {
    ImageSurface surface = freshSurface();
    surface.DrawLine(150, 150, 1500, 150, PaletteColor(0));
    surface.setBackColor(kBg);  // the same colour: the line stays
    QCOMPARE(surface.image().pixel(50, 10), qRgb(0, 0, 0));
    surface.setBackColor(PaletteColor(15));
    QCOMPARE(pixelsOtherThan(surface.image(), qRgb(255, 255, 255)), 0);
  }

  void resizingKeepsThePicture() {
    ImageSurface surface = freshSurface();
    surface.DrawLine(150, 150, 1500, 150, PaletteColor(0));
    surface.resize(QSize(500, 400), 1.0);
    QCOMPARE(surface.image().size(), QSize(500, 400));
    QCOMPARE(surface.image().pixel(50, 10), qRgb(0, 0, 0));
    QCOMPARE(surface.image().pixel(450, 350), platform::ToQColor(kBg).rgb());
  }

  // A window made smaller and larger again, frozen or stopped, still shows
  // its whole picture: nothing is cropped away for good.
  void shrinkingAndGrowingAgainKeepsThePicture() {
    ImageSurface surface = freshSurface();
    fakes::DrawEveryShape(surface, [](Rgb c) { return c; });
    const QImage before = surface.image().copy();
    surface.resize(QSize(120, 80), 1.0);
    surface.resize(QSize(400, 300), 1.0);
    QCOMPARE(surface.image(), before);
    // The background still covers new ground beyond the largest size so far.
    surface.resize(QSize(450, 300), 1.0);
    QCOMPARE(surface.image().copy(0, 0, 400, 300), before);
    QCOMPARE(surface.image().pixel(440, 10), platform::ToQColor(kBg).rgb());
  }

  // Moved to a screen of another pixel ratio: the same picture, scaled.
  void aNewPixelRatioScalesThePicture() {
    ImageSurface surface = freshSurface(1.0);
    surface.DrawCircle(3000, 2000, 15, PaletteColor(12));
    surface.DrawLine(150, 150, 1500, 150, PaletteColor(0));
    surface.resize(QSize(400, 300), 2.0);
    const QImage& image = surface.image();
    QCOMPARE(image.size(), QSize(800, 600));
    QCOMPARE(image.devicePixelRatio(), 2.0);
    QCOMPARE(image.pixel(2 * 50, 2 * 10), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(2 * 200, 2 * 133), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(2 * 300, 2 * 250), platform::ToQColor(kBg).rgb());
    // And back: the picture survives a return to the first screen.
    surface.resize(QSize(400, 300), 1.0);
    QCOMPARE(surface.image().size(), QSize(400, 300));
    QCOMPARE(surface.image().pixel(50, 10), qRgb(0, 0, 0));
  }
};

QTEST_MAIN(SurfacePixelTest)
#include "SurfacePixelTest.moc"
