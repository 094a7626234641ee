// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Description.h"

#include <cmath>
#include <utility>

#include "engine/scenes/Demonstration.h"

namespace ui {
namespace {

using platform::Language;

// The demonstration the picture shows, if a run has drawn it.
const engine::Demonstration* drawn(const engine::Module1& m) {
  return engine::DemonstrationOf(m, m.simtype);
}

std::string said(const Language& language, const platform::Text& text,
                 std::initializer_list<std::string> values = {}) {
  return Filled(language.localized(text), values);
}

// A distance to the unit, as a teacher would read it out.
std::string whole(const Language& language, double value) {
  return language.number(std::floor(std::fabs(value) + 0.5));
}

// A delay to a tenth of a time unit.
std::string tenths(const Language& language, double value) {
  return language.number(std::floor(std::fabs(value) * 10 + 0.5) / 10);
}

// Whether the picture shows a passing body rather than a train.
bool body(const Situation& s) {
  const engine::Demonstration* shown = drawn(s.m);
  return shown != nullptr && shown->drawsBody;
}

// The sentence for a train, or for the passing body.
std::string trainOrBody(const Situation& s, const Language& language, const platform::Text& train,
                        const platform::Text& passingBody,
                        std::initializer_list<std::string> values = {}) {
  return said(language, body(s) ? passingBody : train, values);
}

bool moving(const Situation& s) {
  return s.m.v != 0;
}

bool creeping(const Situation& s) {
  return s.m.vstopped == 1 && (s.run.ts > 0 || s.run.te > 0);
}

bool nearLight(const Situation& s) {
  return s.m.contraction && std::fabs(s.m.v) > s.m.cc - 1 && !creeping(s);
}

bool standing(const Situation& s) {
  return !moving(s) && !creeping(s);
}

// The far edge seen as it was earlier than the near edge: the turn.
bool turned(const Situation& s) {
  return body(s) && moving(s);
}

// How much longer the seen train is than the true one, in track units.
double seenLonger(const Situation& s) {
  return s.m.shown.lengthObs - std::floor(s.run.ltrainc);
}

bool sameLength(const Situation& s) {
  return moving(s) && !body(s) && std::fabs(seenLonger(s)) < 1;
}

bool seenShorter(const Situation& s) {
  return moving(s) && !body(s) && seenLonger(s) <= -1;
}

bool seenLongerRule(const Situation& s) {
  return moving(s) && !body(s) && seenLonger(s) >= 1;
}

const MeaningRule kRules[] = {
    {"creeping", creeping,
     [](const Situation& s, const Language& l) {
       return trainOrBody(
           s, l,
           TR_TEXT("Description",
                   "The train has stopped, but light that left it while it moved is still "
                   "arriving: the seen ends creep on for a moment."),
           TR_TEXT("Description",
                   "The body has stopped, but light that left it while it moved is still "
                   "arriving: the seen ends creep on for a moment."));
     }},
    {"nearLight", nearLight,
     [](const Situation& s, const Language& l) {
       return trainOrBody(
           s, l,
           TR_TEXT("Description",
                   "Near c each click of v > halves what is left to c: %1 is left, and the train "
                   "never reaches c."),
           TR_TEXT("Description",
                   "Near c each click of v > halves what is left to c: %1 is left, and the body "
                   "never reaches c."),
           {l.number(std::floor((s.m.cc - std::fabs(s.m.v)) * 1000) / 1000)});
     }},
    {"standing", standing,
     [](const Situation& s, const Language& l) {
       return trainOrBody(
           s, l,
           TR_TEXT("Description",
                   "The train stands still, so the observer sees it where it truly is."),
           TR_TEXT("Description",
                   "The body stands still, so the observer sees it where it truly is."));
     }},
    {"turned", turned,
     [](const Situation& s, const Language& l) {
       return said(l,
                   TR_TEXT("Description",
                           "Light from the far edge's front left %1 time units before the light "
                           "from the near edge's front: the far edge is seen as it was earlier, "
                           "and the body looks turned."),
                   {tenths(l, s.run.ts2 - s.run.ts)});
     }},
    {"sameLength", sameLength,
     [](const Situation& s, const Language& l) {
       return said(l,
                   TR_TEXT("Description",
                           "Light from both ends takes the same time to arrive, so the seen train "
                           "keeps its true length and trails the true train by %1 track units."),
                   {whole(l, s.run.pos1 - s.run.pos1s)});
     }},
    {"seenShorter", seenShorter,
     [](const Situation& s, const Language& l) {
       return said(l,
                   TR_TEXT("Description",
                           "The observer sees the train %1 track units shorter than it truly is: "
                           "the light from its rear left %2 time units later than the light "
                           "from its front."),
                   {whole(l, seenLonger(s)), tenths(l, s.run.ts - s.run.te)});
     }},
    {"seenLonger", seenLongerRule,
     [](const Situation& s, const Language& l) {
       return said(l,
                   TR_TEXT("Description",
                           "The observer sees the train %1 track units longer than it truly is: "
                           "the light from its rear left %2 time units earlier than the light "
                           "from its front."),
                   {whole(l, seenLonger(s)), tenths(l, s.run.te - s.run.ts)});
     }},
};

std::string whatIsShown(const Situation& s, const Language& language) {
  const engine::Demonstration* demonstration = drawn(s.m);
  if (demonstration == nullptr) {
    return said(language, TR_TEXT("Description",
                                  "No demonstration has run yet. Choose one and click Select."));
  }
  std::string text = language.localized(demonstration->listName) + ". " +
                     language.localized(demonstration->observer);
  for (std::size_t i = 0; i < demonstration->legend.size(); ++i) {
    const platform::Text colour =
        engine::ColourName(engine::PaletteInEffect(s.m), static_cast<engine::LegendColour>(i),
                           demonstration->drawsBody);
    text += ' ' + language.localized(colour) + ": " + language.localized(demonstration->legend[i]) +
            '.';
  }
  return text;
}

std::string howThingsStand(const Situation& s, const Language& language) {
  const engine::Module1& m = s.m;
  if (drawn(m) == nullptr) return {};
  std::string text = said(language, TR_TEXT("Description", "v = %1, c = %2."),
                          {language.number(m.shown.speed), language.number(m.cc)});
  text += ' ';
  text += m.contraction
              ? said(language,
                     TR_TEXT("Description",
                             "Length contraction is on: the train is %1 % of its rest length."),
                     {language.number(std::floor(m.contract * 100 + 0.5))})
              : said(language, TR_TEXT("Description", "Length contraction is off."));
  // The readouts by the names screen readers hear them by.
  const std::pair<platform::Text, double> readouts[] = {
      {TR_TEXT("Help", "Observed length"), m.shown.lengthObs},
      {TR_TEXT("Help", "Observed speed"), m.shown.seenSpeed},
      {TR_TEXT("Help", "Proper time"), m.shown.properTime},
      {TR_TEXT("Help", "Local time"), m.shown.localTime}};
  for (const auto& [name, value] : readouts) {
    text += ' ' + said(language, TR_TEXT("Description", "%1: %2."),
                       {language.localized(name), language.number(value)});
  }
  if (m.mode != engine::RunMode::Running) {
    text += ' ' + said(language, TR_TEXT("Description", "The run has ended."));
  } else if (m.freeze == 1.0) {
    text += ' ' + said(language, TR_TEXT("Description", "The picture is frozen."));
  } else {
    text += ' ' + said(language, TR_TEXT("Description", "The picture is running."));
  }
  return text;
}

}  // namespace

std::string Filled(std::string text, std::initializer_list<std::string> values) {
  int number = 1;
  for (const std::string& value : values) {
    const std::string mark = '%' + std::to_string(number++);
    for (std::size_t at; (at = text.find(mark)) != std::string::npos;) text.replace(at, 2, value);
  }
  return text;
}

std::span<const MeaningRule> MeaningRules() {
  return kRules;
}

std::string Description::whole() const {
  std::string text = shown;
  for (const std::string* part : {&state, &meaning}) {
    if (!part->empty()) text += ' ' + *part;
  }
  return text;
}

Description Describe(const Situation& now, const Language& language) {
  Description description{whatIsShown(now, language), howThingsStand(now, language), {}};
  if (drawn(now.m) == nullptr || now.m.mode != engine::RunMode::Running) return description;
  for (const MeaningRule& rule : kRules) {
    if (rule.applies(now)) {
      description.meaning = rule.says(now, language);
      break;
    }
  }
  return description;
}

}  // namespace ui
