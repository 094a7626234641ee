// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GroundRuns.h"

#include <algorithm>

namespace platform {

GroundRuns::GroundRuns(const std::uint32_t* pixels, int width, int height, std::ptrdiff_t stride,
                       std::uint32_t background)
    : background_(background), width_(width), height_(height) {
  rowStarts_.reserve(static_cast<std::size_t>(height) + 1);
  for (int y = 0; y < height; ++y) {
    rowStarts_.push_back(runs_.size());
    const std::uint32_t* row = pixels + y * stride;
    for (int x = 0; x < width;) {
      const std::uint32_t colour = row[x];
      int end = x + 1;
      while (end < width && row[end] == colour) ++end;
      if (colour != background) runs_.push_back({x, end - 1, colour});
      x = end;
    }
  }
  rowStarts_.push_back(runs_.size());
}

void GroundRuns::restore(std::uint32_t* row, int y, int first, int last) const {
  std::fill(row + first, row + last + 1, background_);
  const auto begin = runs_.begin() + static_cast<std::ptrdiff_t>(rowStarts_[y]);
  const auto end = runs_.begin() + static_cast<std::ptrdiff_t>(rowStarts_[y + 1]);
  for (auto run = begin; run != end && run->first <= last; ++run) {
    if (run->last < first) continue;
    std::fill(row + std::max(first, run->first), row + std::min(last, run->last) + 1, run->colour);
  }
}

}  // namespace platform
