// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <span>
#include <string>

#include "engine/Module1.h"
#include "engine/RunState.h"
#include "platform/Language.h"

namespace ui {

// The picture told in words, made from the program's state, never from
// pixels: what is shown, how things stand, and what it means now. Short
// sentences, numbers as the readouts show them.
struct Description {
  std::string shown;
  std::string state;
  std::string meaning;

  std::string whole() const;
};

// What a rule looks at: the program's variables and the current (or last) run.
struct Situation {
  const engine::Module1& m;
  const engine::RunState& run;
};

// A sentence that says what the picture means, when its state calls for it.
// The first rule that applies speaks.
struct MeaningRule {
  const char* name;
  bool (*applies)(const Situation&);
  std::string (*says)(const Situation&, const platform::Language&);
};

std::span<const MeaningRule> MeaningRules();

Description Describe(const Situation& now, const platform::Language& language);

// A text with %1, %2, ... filled in, as the catalogues write them.
std::string Filled(std::string text, std::initializer_list<std::string> values);

}  // namespace ui
