// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Colour.h"
#include "platform/Shapes.h"

namespace platform {

// A picture's ground, row by row, as its runs of colour other than the
// background: a diagram's ground is mostly background, so putting a piece of
// it back reads a few runs rather than rows of a second picture that a frame
// later are out of the processor's cache. Pixels as the surface holds them.
class GroundRuns {
 public:
  GroundRuns() = default;
  // Reads a picture of width × height pixels, `stride` pixels apart from
  // row to row.
  GroundRuns(const std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride,
             std::uint32_t background);

  bool empty() const { return rowStarts_.empty(); }
  int width() const { return width_; }
  int height() const { return height_; }
  // Puts the ground back in a picture of the same size, `stride` pixels
  // from row to row, wherever the band touches a row: each row's span, a
  // little wider than the band, clipped to the picture.
  void restore(std::uint32_t* pixels, std::ptrdiff_t stride, const Band& band) const;
  // The same ground in other colours (each pixel value as `map` makes it).
  template <typename Map>
  void recolour(Map map) {
    background_ = map(background_);
    for (Run& run : runs_) run.colour = map(run.colour);
  }

 private:
  struct Run {
    int first, last;
    std::uint32_t colour;
  };
  void restoreRow(std::uint32_t* row, int y, int first, int last) const;

  std::vector<Run> runs_;
  std::vector<std::size_t> rowStarts_;  // where each row's runs begin; one more at the end
  std::uint32_t background_ = 0;
  int width_ = 0, height_ = 0;
};

}  // namespace platform
