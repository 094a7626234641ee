// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "engine/Module1.h"

namespace engine {

// The point at distance s along the current demonstration's track of radius
// (or distance) r, and its light delay t to the observer.
void TrackPoint(const Module1& m, double s, double r, double& x, double& y, double& t);

// The tracks of the demonstrations: the point at distance s along each, for
// a radius or distance r. The lap's length is the round and long track's.
void RoundTrackPoint(double s, double r, double tracklen, double& x, double& y);
void LongTrackPoint(double s, double r, double tracklen, double& x, double& y);
void StraightLinePoint(double s, double r, double tracklen, double& x, double& y);

// The direction of (x, y) from the observer, in [0, 2pi).
void VectorAngle(double x, double y, double& angle);

}  // namespace engine
