// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

namespace platform {

// A rectangle of pixels: left, top, width, height.
struct PixelRect {
  int x = 0, y = 0, width = 0, height = 0;
};

// A long shape's changed area goes out as boxes of this many rows along it:
// a slanting line then changes a narrow strip, not its whole box.
inline constexpr int kChangedBandRows = 32;

// The areas of a picture changed since it was last shown, kept few: an area
// joins one it meets or nears when their joint box costs little more than
// the two apart. Two lines far apart are then shown without the whole
// picture between them, and many small areas along a line as a few.
class ChangedAreas {
 public:
  void add(const PixelRect& area);
  const std::vector<PixelRect>& areas() const { return areas_; }
  bool empty() const { return areas_.empty(); }
  void clear() { areas_.clear(); }

 private:
  std::vector<PixelRect> areas_;
};

}  // namespace platform
