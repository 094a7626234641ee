// SPDX-License-Identifier: GPL-3.0-or-later
// The golden test's scripted runs in the browser: each frame as text, to
// be set beside the native build's frame by frame.
#include <emscripten.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/fakes/GoldenRun.h"

extern "C" EMSCRIPTEN_KEEPALIVE char* parity_frames(int simtype) {
  std::string text;
  for (const auto& frame : fakes::RunGoldenScript(simtype)) text += fakes::FrameText(frame) + "\n";
  char* copy = static_cast<char*>(std::malloc(text.size() + 1));
  std::memcpy(copy, text.c_str(), text.size() + 1);
  return copy;
}

int main() {
  return 0;
}
