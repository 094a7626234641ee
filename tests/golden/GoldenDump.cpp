// SPDX-License-Identifier: GPL-3.0-or-later
// Prints a demonstration's golden run, frame by frame, as the browser's
// parity test reads it: golden_dump 1|2|3.
#include <cstdio>
#include <cstdlib>

#include "tests/fakes/GoldenRun.h"

int main(int argc, char* argv[]) {
  const int simtype = argc > 1 ? std::atoi(argv[1]) : 0;
  if (simtype < 1 || simtype > 3) {
    std::fprintf(stderr, "usage: golden_dump 1|2|3\n");
    return 2;
  }
  for (const auto& frame : fakes::RunGoldenScript(simtype)) {
    std::printf("%s\n", fakes::FrameText(frame).c_str());
  }
  return 0;
}
