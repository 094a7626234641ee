// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace engine {

// The variables of one run: created when a run starts, all 0 unless set by
// the set-up, kept from frame to frame, dropped when the next run starts.
// Owned by the run loop and handed to the kinematics and the scenes.
struct RunState {
  // Layout, fixed for the run.
  double x0dis = 0, y0 = 0;  // screen position of the observer, twips
  double rscreen = 0, rhalf = 0, rhalf50 = 0;
  double rowwidth = 0;
  double ltrain1 = 0, rtrack2 = 0, cc2 = 0;
  double kstep = 0, dtstop = 0, maxiter = 0;
  // Pens and marks drawn this many times their usual size: 1, or in the
  // projector palette up to 4 as the window grows, so the train and its seen
  // ends stay visible from the back of a room.
  double markScale = 1;

  // Motion of the train (near edge) and the second train (far edge).
  double pos1 = 0, pos1old = 0, pos2 = 0;
  double ltrainc = 0;
  double pos1s = 0, pos1e = 0, pos1sold = 0;
  double ts = 0, te = 0;
  double xs = 0, ys = 0, xe = 0, ye = 0, angs = 0, ange = 0;
  double xsold = 0, ysold = 0, xeold = 0, yeold = 0, angsold = 0, angeold = 0;
  double vobs = 0;
  double pos2s = 0, pos2e = 0;
  double ts2 = 0, te2 = 0;
  double xs2 = 0, ys2 = 0, xe2 = 0, ye2 = 0, angs2 = 0, ange2 = 0;
  double xs2old = 0, ys2old = 0, xe2old = 0, ye2old = 0, angs2old = 0, ange2old = 0;
  double tsfirst = 0, tefirst = 0, ts2first = 0;
  double first = 1.0;
  double fresh = 1.0;

  // Time since "v = 0", as the creep of the seen ends reckons it (each frame
  // takes dtstop from the delays): the worldlines stand that long.
  double stoppedFor = 0;
  // The positions the train runs over, as its wrap keeps them: a lap from 0
  // (round and long track), or the passing body's stretch of its line.
  double acrossFrom = 0, acrossTo = 0;
  bool lapped = false;

  // The scenes' own pieces, with the copies the next frame erases.
  double arcs = 0, arce = 0, arcs2 = 0, arce2 = 0;
  double arcsold = 0, arceold = 0, arcs2old = 0, arce2old = 0;
  double sfront = 0, srear = 0, sfront2 = 0, srear2 = 0;
  double sfrontold = 0, srearold = 0, sfront2old = 0, srear2old = 0;
  double x1dis = 0, midwidth = 0, midgap = 0;
  // Train length the long track last drew with; negative before any frame.
  double ltraincDrawn = -1;
};

// The screen radii that follow from the drawing scale: the track's, the
// direction arc's and the far direction arc's, in twips.
inline void SetScreenRadii(RunState& run, double rtrack, double fract) {
  run.rscreen = rtrack * fract;
  run.rhalf = rtrack * fract / 2;
  run.rhalf50 = rtrack * fract / 2 + 50;
}

}  // namespace engine
