// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/KeyListText.h"

#include "platform/qt/QtLanguage.h"
#include "ui/Keys.h"

namespace ui {
namespace {

QString translated(const platform::Text& text) {
  return platform::Translated(text).toHtmlEscaped();
}

QString row(const QString& first, const QString& second) {
  return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(first, second);
}

}  // namespace

QString KeyListHtml(std::span<const engine::Demonstration> demonstrations) {
  QString html = QStringLiteral("<table cellspacing='4'>");
  for (const KeyHelp& key : KeyList()) {
    if (key.onDesktop) html += row(translated(key.shown), translated(key.does));
  }
  html += QStringLiteral("</table>");
  for (const engine::Demonstration& demonstration : demonstrations) {
    html += QStringLiteral("<p><b>%1</b></p><table cellspacing='4'>")
                .arg(translated(demonstration.listName));
    for (std::size_t i = 0; i < LegendColours().size(); ++i) {
      html += row(translated(LegendColours()[i]), translated(demonstration.legend[i]));
    }
    html += QStringLiteral("</table>");
  }
  html += QStringLiteral("<p>%1</p>").arg(translated(ProjectorLegend()));
  return html;
}

}  // namespace ui
