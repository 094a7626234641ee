// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/ChangedAreas.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace platform {
namespace {

// Each area shown costs a call of its own (into the browser, or into Qt's
// region); a joint box may take in this many pixels besides its parts
// before two areas stay apart.
constexpr std::int64_t kSpareJoined = std::int64_t{64} * 64;
constexpr std::size_t kMostAreas = 8;

std::int64_t pixelsOf(const PixelRect& a) {
  return static_cast<std::int64_t>(a.width) * a.height;
}

PixelRect joint(const PixelRect& a, const PixelRect& b) {
  const int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
  const int right = std::max(a.x + a.width, b.x + b.width);
  const int bottom = std::max(a.y + a.height, b.y + b.height);
  return {left, top, right - left, bottom - top};
}

// What joining costs: the pixels the joint box takes in besides its parts.
std::int64_t spareOf(const PixelRect& a, const PixelRect& b) {
  return pixelsOf(joint(a, b)) - pixelsOf(a) - pixelsOf(b);
}

}  // namespace

void ChangedAreas::add(const PixelRect& area) {
  if (area.width <= 0 || area.height <= 0) return;
  PixelRect joining = area;
  // A joint box may now reach others: it takes them in too.
  for (bool joined = true; joined;) {
    joined = false;
    for (auto kept = areas_.begin(); kept != areas_.end(); ++kept) {
      if (spareOf(*kept, joining) <= kSpareJoined) {
        joining = joint(*kept, joining);
        areas_.erase(kept);
        joined = true;
        break;
      }
    }
  }
  if (areas_.size() == kMostAreas) {
    // Too many apart: the area joins the one it costs least to join.
    auto cheapest = std::min_element(
        areas_.begin(), areas_.end(),
        [&](const auto& a, const auto& b) { return spareOf(a, joining) < spareOf(b, joining); });
    joining = joint(*cheapest, joining);
    areas_.erase(cheapest);
  }
  areas_.push_back(joining);
}

}  // namespace platform
