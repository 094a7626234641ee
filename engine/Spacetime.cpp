// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/Spacetime.h"

#include <algorithm>
#include <cmath>

#include "engine/TrackGeometry.h"
#include "engine/scenes/Demonstration.h"
#include "platform/Surface.h"

namespace engine {
namespace {

// The plot inside the client area: room for the time axis's ticks on the
// left, "now" above, and below the position's ticks and title and the legend.
constexpr double kLeftMargin = 1000, kRightMargin = 150, kTopMargin = 420, kBottomMargin = 1590;
constexpr double kLabelHeight = 255;
constexpr double kAxisOffset = 90;     // twips between the plot and its axes
constexpr double kMarkRadius = 45;     // twips, the seen and the true ends
constexpr int kPen = 2, kMarkPen = 3;  // pixels; a mark's radius within its pen: a disk
constexpr double kConeStep = 90;       // twips across between two points of a cone
constexpr double kSpanOverDelay = 4.0 / 3;
constexpr platform::Rgb kAxisColour = platform::RGB(128, 128, 128);

// A step of round numbers, so that a span holds at most `most` of them.
double roundStep(double span, int most) {
  for (double step : {1.0, 2.0, 5.0, 10.0, 20.0, 50.0, 100.0, 200.0, 500.0, 1000.0, 2000.0, 5000.0,
                      10000.0, 20000.0, 50000.0}) {
    if (span / step <= most) return step;
  }
  return span;
}

// The positions across and the times ago that carry a tick and its number.
std::vector<double> ticksAcross(const Chart& chart) {
  const double step = roundStep(chart.to - chart.from, 4);
  std::vector<double> ticks;
  for (double x = std::ceil(chart.from / step) * step; x <= chart.to; x += step) ticks.push_back(x);
  return ticks;
}

std::vector<double> ticksUp(const Chart& chart) {
  const double step = roundStep(chart.span, 3);
  std::vector<double> ticks;
  for (double ago = 0; ago <= chart.span; ago += step) ticks.push_back(ago);
  return ticks;
}

Stroke strokeOf(const Chart& chart, Event a, Event b) {
  return {chart.across(a.x), chart.up(a.ago), chart.across(b.x), chart.up(b.ago)};
}

// A straight piece of a worldline, in unwrapped positions: cut where it goes
// round the lap, each part put on the lap, or cut to the stretch a line
// shows.
void worldlinePiece(std::vector<Stroke>& strokes, const Chart& chart, Event a, Event b) {
  const bool upright = a.x == b.x;
  const auto at = [&](double x) {
    return Event{x, a.ago + (b.ago - a.ago) * (x - a.x) / (b.x - a.x)};
  };
  const auto within = [&](double lo, double hi, double shift) {
    if (upright) {
      if (a.x >= lo && a.x <= hi) {
        strokes.push_back(strokeOf(chart, {a.x - shift, a.ago}, {b.x - shift, b.ago}));
      }
      return;
    }
    const double x0 = std::clamp(a.x, lo, hi), x1 = std::clamp(b.x, lo, hi);
    if (x0 == x1) return;  // nothing of it within
    const Event p = at(x0), q = at(x1);
    strokes.push_back(strokeOf(chart, {p.x - shift, p.ago}, {q.x - shift, q.ago}));
  };
  if (!chart.lapped) {
    within(chart.from, chart.to, 0);
    return;
  }
  const double lap = chart.to;
  for (double k = std::floor(std::min(a.x, b.x) / lap); k * lap <= std::max(a.x, b.x); ++k) {
    within(k * lap, (k + 1) * lap, k * lap);
  }
}

void worldline(std::vector<Stroke>& strokes, const Chart& chart, const Module1& m,
               const RunState& run, double now) {
  const Event here{now, 0};
  const Event far{WorldlineAt(m, run, now, chart.span), chart.span};
  if (m.vstopped == 1 && run.stoppedFor > 0) {
    const Event stop{now, std::min(run.stoppedFor, chart.span)};
    worldlinePiece(strokes, chart, here, stop);
    if (stop.ago < chart.span) worldlinePiece(strokes, chart, stop, far);
    return;
  }
  worldlinePiece(strokes, chart, here, far);
}

// The past light cone of a line: every position's time ago, a point at each
// step across. It does not move with the run, so it is drawn once.
void cone(std::vector<Stroke>& strokes, const Chart& chart, const Module1& m, double r) {
  const double step = kConeStep / (chart.width / (chart.to - chart.from));
  Event last{chart.from, ConeAgo(m, chart.from, r)};
  for (double x = chart.from + step; last.x < chart.to; x += step) {
    const Event next{std::min(x, chart.to), ConeAgo(m, std::min(x, chart.to), r)};
    strokes.push_back(strokeOf(chart, last, next));
    last = next;
  }
}

// The line of now, the time axis and the position axis with their ticks;
// the two axes stand a little off the plot, where the worldlines never
// touch them.
std::vector<Stroke> axesOf(const Chart& chart) {
  const double left = chart.left - kAxisOffset, right = chart.left + chart.width;
  const double top = chart.top, bottom = chart.top + chart.height + kAxisOffset;
  std::vector<Stroke> axes = {Stroke{chart.left, top, right, top}, Stroke{left, top, left, bottom},
                              Stroke{left, bottom, right, bottom}};
  for (double x : ticksAcross(chart)) {
    axes.push_back({chart.across(x), bottom, chart.across(x), bottom + 60});
  }
  for (double ago : ticksUp(chart)) axes.push_back({left - 60, chart.up(ago), left, chart.up(ago)});
  return axes;
}

void placeLabels(const SpacetimeView& view, const Chart& chart,
                 const platform::Language& language) {
  const double bottom = chart.top + chart.height + kAxisOffset;
  const float client = view.window.clientWidth();
  const std::vector<double> across = ticksAcross(chart), up = ticksUp(chart);
  std::size_t n = 0;
  for (; n < across.size() && n < view.ticksAcross.size(); ++n) {
    const double x = across[n];
    platform::Control& tick = *view.ticksAcross[n];
    tick.setText(language.number(x));
    const double left = std::clamp(chart.across(x) - tick.width() / 2, 0.0,
                                   static_cast<double>(client - tick.width()));
    tick.setLeft(static_cast<float>(left));
    tick.setTop(static_cast<float>(bottom + 90));
    tick.setVisible(true);
  }
  for (; n < view.ticksAcross.size(); ++n) view.ticksAcross[n]->setVisible(false);
  for (n = 0; n < up.size() && n < view.ticksUp.size(); ++n) {
    const double ago = up[n];
    platform::Control& tick = *view.ticksUp[n];
    tick.setText(ago == 0 ? language.localized(TR_TEXT("Spacetime", "now"))
                          : language.number(-ago));
    tick.setLeft(static_cast<float>(chart.left - kAxisOffset - 90 - tick.width()));
    tick.setTop(static_cast<float>(chart.up(ago) - kLabelHeight / 2));
    tick.setVisible(true);
  }
  for (; n < view.ticksUp.size(); ++n) view.ticksUp[n]->setVisible(false);
  view.LTimeAxis.setLeft(60);
  view.LTimeAxis.setTop(60);
  view.LPositionAxis.setText(
      chart.lapped ? language.localized(TR_TEXT("Spacetime", "Position along the track"))
                   : language.localized(TR_TEXT("Spacetime", "Position along the body's line")));
  view.LPositionAxis.setLeft(static_cast<float>(chart.left));
  view.LPositionAxis.setTop(static_cast<float>(bottom + 90 + kLabelHeight));
  double top = bottom + 90 + 2 * kLabelHeight + 60;
  for (platform::Control* entry : view.legend) {
    entry->setLeft(60);
    entry->setTop(static_cast<float>(top));
    top += kLabelHeight;
  }
}

}  // namespace

double Chart::across(double x) const {
  return left + (x - from) / (to - from) * width;
}

double Chart::up(double ago) const {
  return top + ago / span * height;
}

bool Chart::shows(Event e) const {
  const double x = onLap(e.x);
  return x >= from && x <= to && e.ago >= 0 && e.ago <= span;
}

double Chart::onLap(double x) const {
  if (!lapped) return x;
  const double onIt = std::fmod(x, to);
  return onIt < 0 ? onIt + to : onIt;
}

std::vector<double> LinesOf(const Module1& m, const RunState& run) {
  const Demonstration* shown = DemonstrationOf(m, m.simtype);
  if (shown != nullptr && shown->drawsBody) return {m.rtrack, run.rtrack2};
  return {m.rtrack};
}

double ConeAgo(const Module1& m, double x, double r) {
  double px = 0, py = 0, ago = 0;
  TrackPoint(m, x, r, px, py, ago);
  return ago;
}

double WorldlineAt(const Module1& m, const RunState& run, double now, double ago) {
  if (m.vstopped == 0) return now - m.v * ago;
  if (ago <= run.stoppedFor) return now;
  return now - static_cast<double>(m.vstop) * (ago - run.stoppedFor);
}

namespace {

// Running, the light left the seen end `delay` ago. Stopped, the delay runs
// down from the stop, which lies stoppedFor back; once it has run out the
// end is seen standing, by light that left it as the cone says (never before
// it stopped there).
Event seenEvent(const Module1& m, const RunState& run, double seen, double delay, double r) {
  if (m.vstopped == 0) return {seen, delay};
  if (delay > 0) return {seen, delay + run.stoppedFor};
  return {seen, std::min(ConeAgo(m, seen, r), run.stoppedFor)};
}

}  // namespace

std::vector<Event> SeenEvents(const Module1& m, const RunState& run) {
  std::vector<Event> seen = {seenEvent(m, run, run.pos1s, run.ts, m.rtrack),
                             seenEvent(m, run, run.pos1e, run.te, m.rtrack)};
  if (LinesOf(m, run).size() > 1) {
    seen.push_back(seenEvent(m, run, run.pos2s, run.ts2, run.rtrack2));
    seen.push_back(seenEvent(m, run, run.pos2e, run.te2, run.rtrack2));
  }
  return seen;
}

std::array<Event, 2> TrueEnds(const RunState& run) {
  return {Event{run.pos1, 0}, Event{run.pos1 - run.ltrainc, 0}};
}

Chart ChartFor(const Module1& m, const RunState& run, float clientWidth, float clientHeight) {
  Chart chart{kLeftMargin,
              kTopMargin,
              std::max(1.0, clientWidth - kLeftMargin - kRightMargin),
              std::max(1.0, clientHeight - kTopMargin - kBottomMargin),
              run.acrossFrom,
              run.acrossTo,
              1,
              run.lapped};
  if (!(chart.to > chart.from)) chart.to = chart.from + 1;
  double longest = 0;
  for (double r : LinesOf(m, run)) {
    for (int i = 0; i <= 200; ++i) {
      longest = std::max(longest, ConeAgo(m, chart.from + (chart.to - chart.from) * i / 200, r));
    }
  }
  chart.span = longest > 0 ? longest * kSpanOverDelay : 1;
  return chart;
}

SpacetimeDiagram::SpacetimeDiagram(const SpacetimeView& view) : view_(view) {}

// Drawn whole, the picture is cleared, its still parts drawn and kept as the
// surface's ground; after that, a frame puts the ground back where the
// worldlines and marks were and draws them anew.
void SpacetimeDiagram::draw(const Module1& m, const RunState& run,
                            const platform::Language& language) {
  platform::Surface& s = view_.window.surface();
  // A surface without the ground (a new one, or the picture rescaled) has
  // the diagram drawn whole too.
  if (const Basis basis = basisOf(m, run); drawnFrom_ != basis || !s.HasGround()) {
    chart_ = ChartFor(m, run, basis.clientWidth, basis.clientHeight);
    drawWhole(m, basis.lines, language);
    drawnFrom_ = basis;
  } else {
    eraseMoved();
  }
  const Chart& chart = chart_;
  std::vector<Stroke> moving;
  for (const Event& end : TrueEnds(run)) worldline(moving, chart, m, run, end.x);
  std::vector<Mark> marks;
  // Marked where they lie on the chart; a passing body's ends before it comes
  // into the window, or after it has left, are not.
  const auto markOf = [&](Event e, platform::Rgb colour) {
    const Event onLap{chart.onLap(e.x), e.ago};
    if (chart.shows(e)) marks.push_back({strokeOf(chart, onLap, onLap), colour});
  };
  for (const Event& end : TrueEnds(run)) markOf(end, m.colours.train);
  for (const Event& e : SeenEvents(m, run)) markOf(e, m.colours.seenEnd);
  s.setPenWidth(kPen);
  for (const Stroke& p : moving) drawStroke(p, m.colours.train);
  s.setPenWidth(kMarkPen);
  for (const Mark& mark : marks) {
    s.DrawCircle(static_cast<float>(mark.at.x1), static_cast<float>(mark.at.y1),
                 static_cast<float>(kMarkRadius), mark.colour);
  }
  s.setPenWidth(kPen);
  moving_ = std::move(moving);
  marks_ = std::move(marks);
}

// Everything the chart and the cones are computed from: the window's size,
// the stretch across, the track and its lines, the speed of light, colours.
SpacetimeDiagram::Basis SpacetimeDiagram::basisOf(const Module1& m, const RunState& run) const {
  return {view_.window.clientWidth(),
          view_.window.clientHeight(),
          run.acrossFrom,
          run.acrossTo,
          run.lapped,
          DemonstrationOf(m, m.simtype),
          m.tracklen,
          m.cc,
          LinesOf(m, run),
          m.bgcolor,
          m.colours.direction};
}

void SpacetimeDiagram::forget() {
  drawnFrom_.reset();
}

void SpacetimeDiagram::drawStroke(const Stroke& p, platform::Rgb colour) {
  view_.window.surface().DrawLine(static_cast<float>(p.x1), static_cast<float>(p.y1),
                                  static_cast<float>(p.x2), static_cast<float>(p.y2), colour);
}

void SpacetimeDiagram::drawWhole(const Module1& m, const std::vector<double>& lines,
                                 const platform::Language& language) {
  platform::Surface& s = view_.window.surface();
  s.setBackColor(m.bgcolor);
  s.ClearSurface();
  s.setPenWidth(kPen);
  for (const Stroke& p : axesOf(chart_)) drawStroke(p, kAxisColour);
  std::vector<Stroke> cones;
  for (double r : lines) cone(cones, chart_, m, r);
  for (const Stroke& p : cones) drawStroke(p, m.colours.direction);
  s.KeepGround();
  placeLabels(view_, chart_, language);
  moving_.clear();
  marks_.clear();
}

void SpacetimeDiagram::eraseMoved() {
  platform::Surface& s = view_.window.surface();
  // The pens' reach, in twips, round a stroke and round a mark: half the pen
  // and a pixel of rounding.
  constexpr double kPixel = 15;
  constexpr double kStrokeReach = (kPen / 2.0 + 1) * kPixel;
  constexpr double kMarkReach = kMarkRadius + (kMarkPen / 2.0 + 1) * kPixel;
  const auto restore = [&](const Stroke& p, double reach) {
    s.RestoreGround(static_cast<float>(p.x1), static_cast<float>(p.y1), static_cast<float>(p.x2),
                    static_cast<float>(p.y2), static_cast<float>(reach));
  };
  for (const Stroke& p : moving_) restore(p, kStrokeReach);
  for (const Mark& mark : marks_) restore(mark.at, kMarkReach);
}

}  // namespace engine
