// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "engine/RunState.h"
#include "engine/Views.h"
#include "tests/fakes/Rig.h"

namespace fakes {

// The background every run draws on and erases with.
inline constexpr platform::Rgb kBg = platform::RGB(192, 192, 192);

// A run set up by the real set-up, whose state a test can then place by
// hand and draw single frames of.
class SceneProbe {
 public:
  explicit SceneProbe(int simtype) {
    rig.startRun(simtype);
    run = rig.state();
  }

  // The calls one frame step made, without the earlier ones.
  std::vector<DrawCall> draw(void (*frame)(engine::RunContext&)) {
    rig.picture().calls.clear();
    frame(context);
    return rig.picture().calls;
  }

  Rig rig;
  engine::RunState run;
  engine::ControlPanelView panel = rig.form1.panelView();
  engine::TrackDisplayView display = rig.form2.displayView();
  engine::RunContext context{rig.m, run, panel, display, rig.language};
};

inline bool SameArc(const DrawCall& call, double start, double end, platform::Rgb colour) {
  return call.op == DrawCall::Op::Arc && call.start == static_cast<float>(start) &&
         call.end == static_cast<float>(end) && call.colour == colour;
}

}  // namespace fakes
