// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <vector>

#include "engine/Module1.h"
#include "engine/RunState.h"
#include "platform/Control.h"
#include "platform/Language.h"

namespace engine {

// The spacetime diagram's window: its picture, and the labels of its axes,
// ticks and legend.
struct SpacetimeView {
  platform::Window& window;
  platform::Control& LTimeAxis;
  platform::Control& LPositionAxis;
  std::array<platform::Control*, 5> ticksAcross;
  std::array<platform::Control*, 4> ticksUp;
  std::array<platform::Control*, 3> legend;  // worldlines, light cone, seen ends
};

// An event of the diagram: a position along the track (or the body's line)
// and how long ago, in time units.
struct Event {
  double x;
  double ago;
};

// Where the diagram puts things: positions across, time up with now at the
// top, in twips of the window's client area.
struct Chart {
  double left, top, width, height;  // the plot's area
  double from, to;                  // the positions across it
  double span;                      // time units from now down to its foot
  bool lapped;                      // positions go round a lap of `to`

  double across(double x) const;  // screen x of a position
  double up(double ago) const;    // screen y of a time ago
  // A position brought onto the lap, where the track has one.
  double onLap(double x) const;
  // Whether an event lies on the chart.
  bool shows(Event e) const;

  bool operator==(const Chart&) const = default;
};

// A straight stroke of the diagram, in twips of its client area.
struct Stroke {
  double x1, y1, x2, y2;
  bool operator==(const Stroke&) const = default;
};

// The distances from the observer of the lines the diagram draws: the
// train's track, and for a passing body the far edge's line too.
std::vector<double> LinesOf(const Module1& m, const RunState& run);

// How long light takes from the point at position x of the line at
// distance r to the observer: the past light cone's time ago at x.
double ConeAgo(const Module1& m, double x, double r);

// Where the end that is at `now` was `ago` time units ago, in the run's
// light-delay model: the speed held back in time, or, after "v = 0",
// standing since the stop and moving at the old speed before it.
double WorldlineAt(const Module1& m, const RunState& run, double now, double ago);

// The seen ends, as the run solved them: the events whose light reaches the
// observer now (front and rear, then the far edge's where there is one).
std::vector<Event> SeenEvents(const Module1& m, const RunState& run);

// The true ends now.
std::array<Event, 2> TrueEnds(const RunState& run);

// The chart of the running demonstration in a client area of this size:
// the span is the longest light delay it can show, and a third more.
Chart ChartFor(const Module1& m, const RunState& run, float clientWidth, float clientHeight);

// The diagram in its window, drawn each frame: whole when its still parts
// (chart, light cones, colours) change, else only what moved since.
class SpacetimeDiagram {
 public:
  explicit SpacetimeDiagram(const SpacetimeView& view);

  // This frame's diagram, its labels in the user's language.
  void draw(const Module1& m, const RunState& run, const platform::Language& language);
  // The next frame is drawn whole (the window was cleared or shown anew).
  void forget();

  const SpacetimeView& view() const { return view_; }

 private:
  struct Mark {
    Stroke at;  // a point
    platform::Rgb colour;
  };
  // What the still parts (chart, axes, light cones, colours) are drawn
  // from: while it holds, they stand as drawn, kept as the surface's ground.
  struct Basis {
    float clientWidth = 0, clientHeight = 0;
    double from = 0, to = 0;
    bool lapped = false;
    const Demonstration* shown = nullptr;
    double tracklen = 0, cc = 0;
    std::vector<double> lines;
    platform::Rgb background = 0, coneColour = 0;
    bool operator==(const Basis&) const = default;
  };
  Basis basisOf(const Module1& m, const RunState& run) const;

  // The still parts, with a light cone for each line at its distance.
  void drawWhole(const Module1& m, const std::vector<double>& lines,
                 const platform::Language& language);
  void eraseMoved();
  void drawStroke(const Stroke& p, platform::Rgb colour);

  SpacetimeView view_;
  std::optional<Basis> drawnFrom_;  // none until drawn whole
  Chart chart_{};
  std::vector<Stroke> moving_;  // the worldlines drawn last
  std::vector<Mark> marks_;     // the marks drawn last
};

}  // namespace engine
