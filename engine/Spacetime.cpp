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
constexpr double kLeftMargin = 900, kRightMargin = 150, kTopMargin = 420, kBottomMargin = 1350;
constexpr double kLabelHeight = 255;
constexpr double kMarkRadius = 30;  // twips, the seen and the true ends
constexpr double kConeStep = 15;    // twips across between two points of a cone
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

void line(platform::Surface& s, const Chart& chart, Event a, Event b, platform::Rgb colour) {
  s.DrawLine(static_cast<float>(chart.across(a.x)), static_cast<float>(chart.up(a.ago)),
             static_cast<float>(chart.across(b.x)), static_cast<float>(chart.up(b.ago)), colour);
}

// A straight piece of a worldline, in unwrapped positions: cut where it goes
// round the lap, each part drawn on the lap, or cut to the stretch a line
// shows.
void worldlinePiece(platform::Surface& s, const Chart& chart, Event a, Event b,
                    platform::Rgb colour) {
  const bool upright = a.x == b.x;
  const auto at = [&](double x) {
    return Event{x, a.ago + (b.ago - a.ago) * (x - a.x) / (b.x - a.x)};
  };
  const auto drawWithin = [&](double lo, double hi, double shift) {
    if (upright) {
      if (a.x >= lo && a.x <= hi)
        line(s, chart, {a.x - shift, a.ago}, {b.x - shift, b.ago}, colour);
      return;
    }
    const double x0 = std::clamp(a.x, lo, hi), x1 = std::clamp(b.x, lo, hi);
    if (x0 == x1) return;  // nothing of it within
    const Event p = at(x0), q = at(x1);
    line(s, chart, {p.x - shift, p.ago}, {q.x - shift, q.ago}, colour);
  };
  if (!chart.lapped) {
    drawWithin(chart.from, chart.to, 0);
    return;
  }
  const double lap = chart.to;
  for (double k = std::floor(std::min(a.x, b.x) / lap); k * lap <= std::max(a.x, b.x); ++k) {
    drawWithin(k * lap, (k + 1) * lap, k * lap);
  }
}

void drawWorldline(platform::Surface& s, const Chart& chart, const Module1& m, const RunState& run,
                   double now, platform::Rgb colour) {
  const Event here{now, 0};
  const Event far{WorldlineAt(m, run, now, chart.span), chart.span};
  if (m.vstopped == 1 && run.stoppedFor > 0) {
    const Event stop{now, std::min(run.stoppedFor, chart.span)};
    worldlinePiece(s, chart, here, stop, colour);
    if (stop.ago < chart.span) worldlinePiece(s, chart, stop, far, colour);
    return;
  }
  worldlinePiece(s, chart, here, far, colour);
}

// The past light cone of a line: every position's time ago, a point at each
// step across and one at each seen end, so the curve goes through them.
void drawCone(platform::Surface& s, const Chart& chart, const Module1& m, double r,
              const std::vector<Event>& seen, platform::Rgb colour) {
  std::vector<double> xs;
  const double step = kConeStep / (chart.width / (chart.to - chart.from));
  for (double x = chart.from; x < chart.to; x += step) xs.push_back(x);
  xs.push_back(chart.to);
  for (const Event& e : seen) {
    const double x = chart.onLap(e.x);
    if (x >= chart.from && x <= chart.to) xs.push_back(x);
  }
  std::sort(xs.begin(), xs.end());
  for (std::size_t i = 1; i < xs.size(); ++i) {
    line(s, chart, {xs[i - 1], ConeAgo(m, xs[i - 1], r)}, {xs[i], ConeAgo(m, xs[i], r)}, colour);
  }
}

// Marked where it lies on the chart; a passing body's ends before it comes
// into the window, or after it has left, are not.
void dot(platform::Surface& s, const Chart& chart, Event e, platform::Rgb colour) {
  if (!chart.shows(e)) return;
  s.DrawCircle(static_cast<float>(chart.across(chart.onLap(e.x))),
               static_cast<float>(chart.up(e.ago)), static_cast<float>(kMarkRadius), colour);
}

void drawAxes(platform::Surface& s, const Chart& chart, double stepAcross, double stepUp) {
  const auto left = static_cast<float>(chart.left);
  const auto right = static_cast<float>(chart.left + chart.width);
  const auto top = static_cast<float>(chart.top);
  const auto bottom = static_cast<float>(chart.top + chart.height);
  s.DrawLine(left, top, right, top, kAxisColour);  // now
  s.DrawLine(left, top, left, bottom, kAxisColour);
  s.DrawLine(left, bottom, right, bottom, kAxisColour);
  for (double x = std::ceil(chart.from / stepAcross) * stepAcross; x <= chart.to; x += stepAcross) {
    const auto at = static_cast<float>(chart.across(x));
    s.DrawLine(at, bottom, at, bottom + 60, kAxisColour);
  }
  for (double ago = 0; ago <= chart.span; ago += stepUp) {
    const auto at = static_cast<float>(chart.up(ago));
    s.DrawLine(left - 60, at, left, at, kAxisColour);
  }
}

void placeLabels(const SpacetimeView& view, const Chart& chart, double stepAcross, double stepUp,
                 const platform::Language& language) {
  const double bottom = chart.top + chart.height;
  const float client = view.window.clientWidth();
  std::size_t n = 0;
  for (double x = std::ceil(chart.from / stepAcross) * stepAcross;
       x <= chart.to && n < view.ticksAcross.size(); x += stepAcross, ++n) {
    platform::Control& tick = *view.ticksAcross[n];
    tick.setText(language.number(x));
    const double left = std::clamp(chart.across(x) - tick.width() / 2, 0.0,
                                   static_cast<double>(client - tick.width()));
    tick.setLeft(static_cast<float>(left));
    tick.setTop(static_cast<float>(bottom + 90));
    tick.setVisible(true);
  }
  for (; n < view.ticksAcross.size(); ++n) view.ticksAcross[n]->setVisible(false);
  n = 0;
  for (double ago = 0; ago <= chart.span && n < view.ticksUp.size(); ago += stepUp, ++n) {
    platform::Control& tick = *view.ticksUp[n];
    tick.setText(ago == 0 ? language.localized(TR_TEXT("Spacetime", "now"))
                          : language.number(-ago));
    tick.setLeft(static_cast<float>(chart.left - 90 - tick.width()));
    tick.setTop(static_cast<float>(chart.up(ago) - kLabelHeight / 2));
    tick.setVisible(true);
  }
  for (; n < view.ticksUp.size(); ++n) view.ticksUp[n]->setVisible(false);
  view.LTimeAxis.setLeft(60);
  view.LTimeAxis.setTop(60);
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

void DrawSpacetime(const SpacetimeView& view, const Module1& m, const RunState& run,
                   const platform::Language& language) {
  platform::Surface& s = view.window.surface();
  const Chart chart = ChartFor(m, run, view.window.clientWidth(), view.window.clientHeight());
  const double stepAcross = roundStep(chart.to - chart.from, 4);
  const double stepUp = roundStep(chart.span, 3);
  s.setBackColor(m.bgcolor);
  s.ClearSurface();
  s.setPenWidth(2);
  drawAxes(s, chart, stepAcross, stepUp);
  const std::vector<Event> seen = SeenEvents(m, run);
  const std::vector<double> lines = LinesOf(m, run);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::vector<Event> onThisLine(seen.begin() + static_cast<std::ptrdiff_t>(2 * i),
                                        seen.begin() + static_cast<std::ptrdiff_t>(2 * i + 2));
    drawCone(s, chart, m, lines[i], onThisLine, m.colours.direction);
  }
  for (const Event& end : TrueEnds(run)) {
    drawWorldline(s, chart, m, run, end.x, m.colours.train);
    dot(s, chart, end, m.colours.train);
  }
  for (const Event& e : seen) dot(s, chart, e, m.colours.seenEnd);
  placeLabels(view, chart, stepAcross, stepUp, language);
}

}  // namespace engine
