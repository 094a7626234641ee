// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Module1.h"
#include "platform/Language.h"

namespace ui {

// A text a saved picture carries, so a slide can be traced back to its run.
struct PictureText {
  std::string key;
  std::string value;
};

// relativity-train-<demonstration>-v<v>, to which a saved file adds its ending.
std::string PictureName(const engine::Module1& m);

// The demonstration's name as its title, then what the picture shows: the
// demonstration's number, v, contraction and the frame of the run.
std::vector<PictureText> PictureTexts(const engine::Module1& m, std::int64_t frameOfRun,
                                      const platform::Language& language);

}  // namespace ui
