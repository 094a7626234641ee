// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the desktop program's list of keys and each demonstration's
// colours as Markdown, in English, for the installed documentation. The same
// table makes the list the program shows.
#include <cstdio>
#include <fstream>
#include <string>

#include "engine/scenes/Demonstration.h"
#include "ui/Keys.h"

namespace {

std::string keysAndColours() {
  std::string text =
      "# Relativity Train: keys and colours\n\n"
      "The program shows this list with F1, and the same actions in the track "
      "window's menu (right click, or the Menu key).\n\n"
      "| keys | what they do |\n|---|---|\n";
  for (const ui::KeyHelp& key : ui::KeyList()) {
    if (key.onDesktop)
      text += std::string("| ") + key.shown.source + " | " + key.does.source + " |\n";
  }
  for (const engine::Demonstration& demonstration : engine::Demonstrations()) {
    text += std::string("\n## ") + demonstration.listName.source +
            "\n\n| colour | what it shows |\n|---|---|\n";
    for (std::size_t i = 0; i < ui::LegendColours().size(); ++i) {
      text += std::string("| ") + ui::LegendColours()[i].source + " | " +
              demonstration.legend[i].source + " |\n";
    }
  }
  text += std::string("\n") + ui::ProjectorLegend().source + "\n";
  return text;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.md\n", argv[0]);
    return 2;
  }
  std::ofstream out(argv[1]);
  out << keysAndColours();
  return out.good() ? 0 : 1;
}
