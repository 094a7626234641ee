// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tests/fakes/GoldenRun.h"

// Each demonstration's scripted run, frame by frame, against the hashes
// stored when it was last known right. A change to any drawn number or
// readout fails here, naming the first frame that differs. After a change
// meant to alter the picture: RELATIVITY_UPDATE_GOLDEN=1 rewrites them.
namespace {

std::string goldenPath(int simtype, fakes::GoldenScript script) {
  return std::string(GOLDEN_DIR) + "/scene" + std::to_string(simtype) +
         (script == fakes::GoldenScript::Stops ? "-stops" : "") + ".txt";
}

std::vector<std::string> hashesOf(const std::vector<fakes::FrameRecord>& frames) {
  std::vector<std::string> hashes;
  for (const auto& frame : frames) {
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx",
                  static_cast<unsigned long long>(fakes::Fnv1a(fakes::FrameText(frame))));
    hashes.emplace_back(hex);
  }
  return hashes;
}

std::vector<std::string> readLines(const std::string& path) {
  std::ifstream file(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(file, line);) lines.push_back(line);
  return lines;
}

class GoldenRun : public testing::TestWithParam<std::tuple<int, fakes::GoldenScript>> {};

TEST_P(GoldenRun, EveryFrameMatchesTheStoredRun) {
  const auto [simtype, script] = GetParam();
  const auto frames = fakes::RunGoldenScript(simtype, script);
  ASSERT_EQ(frames.size(), static_cast<std::size_t>(fakes::kGoldenFrames));
  const auto hashes = hashesOf(frames);
  if (std::getenv("RELATIVITY_UPDATE_GOLDEN") != nullptr) {
    std::ofstream out(goldenPath(simtype, script));
    for (const auto& hash : hashes) out << hash << '\n';
    GTEST_SKIP() << "rewrote " << goldenPath(simtype, script);
  }
  const auto stored = readLines(goldenPath(simtype, script));
  ASSERT_EQ(stored.size(), hashes.size()) << goldenPath(simtype, script);
  for (std::size_t i = 0; i < hashes.size(); ++i) {
    ASSERT_EQ(hashes[i], stored[i])
        << "frame " << i + 1 << " of demonstration " << simtype << " first differs; it drew:\n"
        << fakes::FrameText(frames[i]);
  }
}

INSTANTIATE_TEST_SUITE_P(AllDemonstrations, GoldenRun,
                         testing::Combine(testing::Values(1, 2, 3),
                                          testing::Values(fakes::GoldenScript::Lesson,
                                                          fakes::GoldenScript::Stops)));

}  // namespace
