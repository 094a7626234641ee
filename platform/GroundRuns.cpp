// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/GroundRuns.h"

#include <algorithm>
#include <cmath>

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

void GroundRuns::restore(std::uint32_t* pixels, std::ptrdiff_t stride, const Band& band) const {
  const int firstRow = std::max(0, static_cast<int>(std::floor(band.top())));
  const int lastRow = std::min(height_ - 1, static_cast<int>(std::ceil(band.bottom())));
  for (int y = firstRow; y <= lastRow; ++y) {
    const RowSpan span = band.row(y, y + 1);
    if (span.empty()) continue;
    // Truncated, then moved a pixel where truncation went the wrong way: as
    // std::floor and std::ceil, without the long sequence a baseline x86
    // build makes of each in this loop, which runs for every row.
    const int towardFirst = static_cast<int>(span.first), towardLast = static_cast<int>(span.last);
    const int first = std::max(0, towardFirst - (span.first < towardFirst));
    const int last = std::min(width_ - 1, towardLast + (span.last > towardLast) - 1);
    if (first <= last) restoreRow(pixels + y * stride, y, first, last);
  }
}

void GroundRuns::restoreRow(std::uint32_t* row, int y, int first, int last) const {
  std::fill(row + first, row + last + 1, background_);
  const auto begin = runs_.begin() + static_cast<std::ptrdiff_t>(rowStarts_[y]);
  const auto end = runs_.begin() + static_cast<std::ptrdiff_t>(rowStarts_[y + 1]);
  for (auto run = begin; run != end && run->first <= last; ++run) {
    if (run->last < first) continue;
    std::fill(row + std::max(first, run->first), row + std::min(last, run->last) + 1, run->colour);
  }
}

}  // namespace platform
