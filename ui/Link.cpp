// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Link.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "platform/NumberText.h"
#include "platform/Twips.h"

namespace ui {
namespace {

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A query value as its sender meant it: %XX and + decoded.
std::string decoded(std::string_view text) {
  std::string value;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      value += ' ';
    } else if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 &&
               hexValue(text[i + 2]) >= 0) {
      value += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
      i += 2;
    } else {
      value += text[i];
    }
  }
  return value;
}

// Every value of every key, in the order given.
std::multimap<std::string, std::string> pairsOf(std::string_view query) {
  if (!query.empty() && query.front() == '?') query.remove_prefix(1);
  std::multimap<std::string, std::string> pairs;
  while (!query.empty()) {
    const std::size_t end = query.find('&');
    const std::string_view pair = query.substr(0, end);
    const std::size_t equals = pair.find('=');
    if (!pair.empty()) {
      pairs.emplace(decoded(pair.substr(0, equals)),
                    equals == std::string_view::npos ? "" : decoded(pair.substr(equals + 1)));
    }
    query = end == std::string_view::npos ? std::string_view() : query.substr(end + 1);
  }
  return pairs;
}

bool digits(std::string_view text, std::size_t least, std::size_t most) {
  return text.size() >= least && text.size() <= most &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool letters(std::string_view text, std::size_t least, std::size_t most) {
  return text.size() >= least && text.size() <= most &&
         std::all_of(text.begin(), text.end(),
                     [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
}

bool signedNumber(std::string_view text) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  return digits(text, 1, 2);
}

// A language code: two or three letters, then up to three parts of two to
// eight letters or digits, each after a - or an _.
bool languageCode(std::string_view text) {
  std::vector<std::string_view> parts;
  for (std::size_t end; (end = text.find_first_of("-_")) != std::string_view::npos;) {
    parts.push_back(text.substr(0, end));
    text.remove_prefix(end + 1);
  }
  parts.push_back(text);
  if (parts.size() > 4 || !letters(parts.front(), 2, 3)) return false;
  return std::all_of(parts.begin() + 1, parts.end(), [](std::string_view part) {
    return part.size() >= 2 && part.size() <= 8 &&
           std::all_of(part.begin(), part.end(), [](char c) {
             return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
           });
  });
}

// What one key may hold, and how it is kept.
struct Rule {
  const char* key;
  bool (*valid)(std::string_view);
  const char* expected;
  void (*keep)(Link&, const std::string&);
};

const Rule kRules[] = {
    {"demo", [](std::string_view v) { return digits(v, 1, 2); }, "a demonstration's number",
     [](Link& l, const std::string& v) { l.demo = std::stoi(v); }},
    {"v", signedNumber, "a whole number from -30 to 30",
     [](Link& l, const std::string& v) { l.speedClicks = std::stoi(v); }},
    {"contraction", [](std::string_view v) { return v == "on" || v == "off"; }, "on or off",
     [](Link& l, const std::string& v) { l.contraction = v == "on"; }},
    {"height", [](std::string_view v) { return digits(v, 1, 4); }, "a height from 160 to 4000",
     [](Link& l, const std::string& v) { l.height = std::stoi(v); }},
    {"lang", languageCode, "a language code such as de or pt_BR",
     [](Link& l, const std::string& v) { l.language = v; }},
    {"palette", [](std::string_view v) { return engine::PaletteNamed(v).has_value(); },
     "projector or usual",
     [](Link& l, const std::string& v) { l.palette = engine::PaletteNamed(v); }},
    {"spacetime", [](std::string_view v) { return v == "on" || v == "off"; }, "on or off",
     [](Link& l, const std::string& v) { l.spacetime = v == "on"; }},
};

bool inRange(const Link& link, std::size_t demonstrations) {
  const bool demo =
      !link.demo || (*link.demo >= 1 && *link.demo <= static_cast<int>(demonstrations));
  const bool speed = !link.speedClicks || std::abs(*link.speedClicks) <= 30;
  const bool height =
      !link.height || (*link.height >= kLowestPanel && *link.height <= kHighestPanel);
  return demo && speed && height;
}

// A value as a warning may quote it: short, and printable.
std::string quoted(const std::string& value) {
  std::string shown;
  for (char c : value.substr(0, 40)) shown += (c >= 32 && c < 127) ? c : '?';
  return value.size() > 40 ? shown + "..." : shown;
}

// The clicks that give a speed: whole speeds are as many clicks; near c with
// contraction on, each click past c - 1 halves what is left.
int clicksFor(const engine::Module1& m) {
  const double speed = std::fabs(m.v);
  int clicks = static_cast<int>(std::lround(speed));
  if (m.contraction && speed > m.cc - 1 && speed < m.cc) {
    clicks =
        static_cast<int>(m.cc - 1) + static_cast<int>(std::lround(std::log2(1 / (m.cc - speed))));
  }
  clicks = std::min(clicks, 30);
  return m.v < 0 ? -clicks : clicks;
}

}  // namespace

Link ParseLink(std::string_view query, std::size_t demonstrations) {
  Link link;
  const auto pairs = pairsOf(query);
  for (const Rule& rule : kRules) {
    const auto [first, last] = pairs.equal_range(rule.key);
    if (first == last) continue;
    const std::string& value = first->second;
    if (std::next(first) != last) {
      link.ignored.push_back(std::string(rule.key) + " is given more than once");
      continue;
    }
    Link trial;
    if (!rule.valid(value) || (rule.keep(trial, value), !inRange(trial, demonstrations))) {
      link.ignored.push_back(std::string(rule.key) + "=" + quoted(value) + " is not " +
                             rule.expected);
      continue;
    }
    rule.keep(link, value);
  }
  if (!link.demo) {
    for (const char* key : {"v", "contraction", "height"}) {
      if (pairs.count(key) == 0) continue;
      link.ignored.push_back(std::string(key) + " needs demo");
    }
    link.speedClicks.reset();
    link.contraction.reset();
    link.height.reset();
  }
  return link;
}

std::string LinkQuery(const engine::Module1& m) {
  const int demo = m.mode == engine::RunMode::Running ? static_cast<int>(m.simtype) : m.chosenType;
  std::string query = "demo=" + std::to_string(demo) + "&v=" + std::to_string(clicksFor(m)) +
                      "&contraction=" + (m.contraction ? "on" : "off");
  if (m.palette == engine::Palette::Projector) query += "&palette=projector";
  if (m.spacetime) query += "&spacetime=on";
  return query;
}

bool ChooseLinked(const Link& link, Commands& commands, const engine::Module1& m) {
  if (!link.demo || *link.demo < 1 || *link.demo > static_cast<int>(m.demonstrations.size()))
    return false;
  if (m.mode == engine::RunMode::Running) commands.CommandStart_Click();
  if (m.mode == engine::RunMode::Idle) commands.CommandStart_Click();
  while (m.chosenType != *link.demo) commands.CommandSimulation_Click();
  return true;
}

void SelectLinked(const Link& link, Commands& commands, const engine::Module1& m,
                  platform::Window& trackWindow) {
  if (link.height) trackWindow.setHeight(platform::ToTwips(*link.height));
  commands.CommandStart_Click();
  if (link.contraction.value_or(false) != m.contraction) commands.TControl_Click();
  const int clicks = link.speedClicks.value_or(0);
  for (int i = 0; i < std::abs(clicks); ++i) {
    if (clicks > 0) {
      commands.CommandVinc_Click();
    } else {
      commands.CommandVdec_Click();
    }
  }
}

void PrepareRun(const Link& link, Commands& commands, const engine::Module1& m,
                platform::Window& trackWindow) {
  if (ChooseLinked(link, commands, m)) SelectLinked(link, commands, m, trackWindow);
}

}  // namespace ui
