// SPDX-License-Identifier: GPL-3.0-or-later
// Whole runs on the real backing image: after laps at changing speeds and
// contraction, every pixel that is not background must belong to the last
// frame's shapes, or be white from the trail of the seen rear.
#include <QImage>
#include <QtTest>

#include "engine/Spacetime.h"
#include "platform/Twips.h"
#include "platform/qt/ImageSurface.h"
#include "tests/fakes/Rig.h"
#include "ui/Keys.h"

Q_DECLARE_METATYPE(engine::Palette)

using fakes::DrawCall;
using fakes::RecordingSurface;
using platform::ImageSurface;
using platform::Rgb;

namespace {

// Draws on the real image and records the calls too.
class TeeSurface final : public platform::Surface {
 public:
  ImageSurface image;
  RecordingSurface record;

  void ClearSurface() override { image.ClearSurface(), record.ClearSurface(); }
  void setBackColor(Rgb c) override { image.setBackColor(c), record.setBackColor(c); }
  void setFontSize(float p) override { image.setFontSize(p), record.setFontSize(p); }
  void setPenWidth(int w) override { image.setPenWidth(w), record.setPenWidth(w); }
  void DrawCircle(float x, float y, float r, Rgb c) override {
    image.DrawCircle(x, y, r, c), record.DrawCircle(x, y, r, c);
  }
  void DrawCircle(float x, float y, float r, Rgb c, float s, float e) override {
    image.DrawCircle(x, y, r, c, s, e), record.DrawCircle(x, y, r, c, s, e);
  }
  void DrawLine(float x1, float y1, float x2, float y2, Rgb c) override {
    image.DrawLine(x1, y1, x2, y2, c), record.DrawLine(x1, y1, x2, y2, c);
  }
  void DrawPoint(float x, float y, Rgb c) override {
    image.DrawPoint(x, y, c), record.DrawPoint(x, y, c);
  }
  void KeepGround() override { image.KeepGround(), record.KeepGround(); }
  bool HasGround() const override { return image.HasGround(); }
  void RestoreGround(float x1, float y1, float x2, float y2, float reach) override {
    image.RestoreGround(x1, y1, x2, y2, reach), record.RestoreGround(x1, y1, x2, y2, reach);
  }
  void recolour(platform::ColourMap map) override { image.recolour(map), record.recolour(map); }
};

void replay(const DrawCall& call, platform::Surface& s) {
  switch (call.op) {
    case DrawCall::Op::Clear:
      s.ClearSurface();
      break;
    case DrawCall::Op::Circle:
      s.DrawCircle(call.a, call.b, call.c, call.colour);
      break;
    case DrawCall::Op::Arc:
      s.DrawCircle(call.a, call.b, call.c, call.colour, call.start, call.end);
      break;
    case DrawCall::Op::Line:
      s.DrawLine(call.a, call.b, call.c, call.d, call.colour);
      break;
    case DrawCall::Op::Point:
      s.DrawPoint(call.a, call.b, call.colour);
      break;
    case DrawCall::Op::KeepGround:
      s.KeepGround();
      break;
    case DrawCall::Op::RestoreGround:
      s.RestoreGround(call.a, call.b, call.c, call.d, call.start);
      break;
  }
}

// The last frame alone, drawn on an empty image of the same size.
QImage lastFrameAlone(const std::vector<DrawCall>& calls, QSize size, Rgb background, int pen) {
  auto frameStart = calls.end();
  while (frameStart != calls.begin() && (frameStart - 1)->op != DrawCall::Op::Point) --frameStart;
  --frameStart;
  ImageSurface fresh;
  fresh.resize(size, 1.0);
  fresh.setBackColor(background);
  fresh.ClearSurface();
  fresh.setPenWidth(pen);
  for (auto call = frameStart; call != calls.end(); ++call) {
    if (call->colour != background) replay(*call, fresh);
  }
  return fresh.image();
}

// Pixels neither background, nor as the last frame drew them, nor trail.
int remnants(const QImage& shown, const QImage& expected, const engine::Colours& colours,
             bool trailAllowed) {
  const QRgb background = platform::ToQColor(colours.background).rgb();
  const QRgb trail = platform::ToQColor(colours.trail).rgb();
  int count = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const QRgb pixel = shown.pixel(x, y);
      if (pixel == background || pixel == expected.pixel(x, y)) continue;
      if (trailAllowed && pixel == trail) continue;
      ++count;
    }
  }
  return count;
}

}  // namespace

// A run on a real image, recorded too.
struct ImageRun {
  ImageRun(int simtype, float height, engine::Palette palette = engine::Palette::Usual) {
    rig.form2Window.drawOn(tee);
    rig.form2Window.setHeight(height);
    if (palette != rig.m.palette) rig.commands.SwitchPalette();
    rig.startRun(simtype);
    size = QSize(platform::ToWholePixels(rig.form2Window.width()),
                 platform::ToWholePixels(rig.form2Window.height()));
    tee.image.resize(size, 1.0);
    tee.image.ClearSurface();
  }
  void nextFrame() { rig.runFrames(rig.runLoop.framesDrawn() + 1); }
  int remnantCount(bool trailAllowed) {
    return remnants(tee.image.image(),
                    lastFrameAlone(tee.record.calls, size, rig.m.bgcolor, tee.record.penWidth),
                    rig.m.colours, trailAllowed);
  }

  fakes::Rig rig;
  TeeSurface tee;
  QSize size;
};

class RemnantTest : public QObject {
  Q_OBJECT

 private slots:
  void lapsLeaveOnlyTheLastFrame_data() {
    QTest::addColumn<int>("simtype");
    QTest::addColumn<int>("speed");
    QTest::addColumn<float>("height");
    QTest::addColumn<engine::Palette>("palette");
    struct Row {
      const char* name;
      int simtype, speed;
      float height;
    };
    const Row rows[] = {{"round, slow", 1, 6, 3165},        {"round, fast", 1, 27, 5000},
                        {"round, backwards", 1, -20, 4000}, {"long, slow", 2, 8, 3165},
                        {"long, fast", 2, 29, 5000},        {"long, backwards", 2, -25, 4000},
                        {"terrell, fast", 3, 28, 3165},     {"terrell, backwards", 3, -15, 4000}};
    for (engine::Palette palette : {engine::Palette::Usual, engine::Palette::Projector}) {
      for (const Row& row : rows) {
        const QByteArray name =
            QByteArray(row.name) + (palette == engine::Palette::Usual ? "" : ", projector");
        QTest::newRow(name.constData()) << row.simtype << row.speed << row.height << palette;
      }
    }
    // The projector palette's thick pens, in half steps up to four times.
    const Row tall[] = {{"round, 2.5x pens", 1, 27, 8000},
                        {"long, 3x pens", 2, 29, 9500},
                        {"terrell, 4x pens", 3, 28, 12700},
                        {"round, 4x pens, backwards", 1, -20, 12700}};
    for (const Row& row : tall) {
      QTest::newRow(row.name) << row.simtype << row.speed << row.height
                              << engine::Palette::Projector;
    }
  }

  void lapsLeaveOnlyTheLastFrame() {
    QFETCH(int, simtype);
    QFETCH(int, speed);
    QFETCH(float, height);
    QFETCH(engine::Palette, palette);
    ImageRun run(simtype, height, palette);
    QCOMPARE(run.rig.m.palette, palette);
    // Change speed and contraction every few frames, across several laps.
    for (int frame = 0; frame < 700; ++frame) {
      if (frame % 9 == 0) run.rig.commands.TControl_Click();
      if (frame % 13 == 0) run.rig.m.v = frame % 26 == 0 ? speed : speed * 0.6;
      run.nextFrame();
    }
    QVERIFY(run.rig.runLoop.framesDrawn() > 700);
    QCOMPARE(run.remnantCount(simtype != 3), 0);
  }

  // The train shortens while its rear is still on the left half circle and
  // its front has run further than the new length past the end of the lap.
  void longTrainShorteningAtTheLapEndLeavesNoArc() {
    ImageRun run(2, 4000);
    run.rig.m.v = 20;
    run.rig.m.vold = 20;
    const double shortened = 1000 * std::sqrt(1 - 20.0 * 20 / 900);
    int frames = 0;
    for (; frames < 500; ++frames) {
      run.nextFrame();
      const double front = run.rig.state().pos1;
      if (front >= shortened && front < 1000) break;
    }
    QVERIFY(frames < 500);
    run.rig.commands.TControl_Click();
    run.nextFrame();
    run.nextFrame();
    QCOMPARE(run.remnantCount(true), 0);
  }

  // The diagram frame by frame puts its ground back where its worldlines and
  // marks were: the same pixels as the frame's diagram drawn whole, at any
  // pixel ratio, through speed changes, contraction, v = 0 and a picture
  // that lost its ground (rescaled on another screen).
  void spacetimeDiagramLeavesNoTrace_data() {
    QTest::addColumn<int>("simtype");
    QTest::addColumn<double>("ratio");
    for (int simtype : {1, 2, 3}) {
      for (double ratio : {1.0, 1.5, 2.0}) {
        QTest::addRow("demonstration %d, ratio %.1f", simtype, ratio) << simtype << ratio;
      }
    }
  }

  void spacetimeDiagramLeavesNoTrace() {
    QFETCH(int, simtype);
    QFETCH(double, ratio);
    fakes::Rig rig;
    const QSize size(platform::ToWholePixels(rig.spacetimeWindow.clientWidth()),
                     platform::ToWholePixels(rig.spacetimeWindow.clientHeight()));
    ImageSurface shown;
    shown.resize(size, ratio);
    rig.spacetimeWindow.drawOn(shown);
    rig.core.RunAid(ui::KeyAction::Spacetime);
    rig.startRun(simtype);
    int differing = 0, checked = 0;
    const auto frames = [&](int count) {
      for (int i = 0; i < count; ++i) rig.runFrames(rig.runLoop.framesDrawn() + 1);
      fakes::FakeWindow alone(ui::SpacetimeWindowLayout());
      alone.resize(rig.spacetimeWindow.width(), rig.spacetimeWindow.height());
      ImageSurface whole;
      whole.resize(size, ratio);
      alone.drawOn(whole);
      engine::SpacetimeDiagram(ui::SpacetimeViewOf(alone)).draw(rig.m, rig.state(), rig.language);
      differing += shown.image() != whole.image();
      ++checked;
    };
    fakes::SpeedsAndStops(rig, frames, [&] {
      shown.resize(size, ratio * 2);
      shown.resize(size, ratio);
    });
    QCOMPARE(checked, 4);
    QCOMPARE(differing, 0);
  }
};

QTEST_MAIN(RemnantTest)
#include "RemnantTest.moc"
