// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qt/FormWindow.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "platform/Twips.h"

namespace ui {
namespace {

using Kind = platform::QtControl::Kind;

Kind kindOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button:
      return Kind::Button;
    case ControlKind::TextBox:
      return Kind::TextBox;
    case ControlKind::MultiLineTextBox:
      return Kind::MultiLineTextBox;
    case ControlKind::Label:
      return Kind::Label;
  }
  return Kind::Label;
}

QWidget* makeWidget(const StoredControl& stored, QWidget* parent) {
  switch (stored.kind) {
    case ControlKind::Button:
      return new QPushButton(parent);
    case ControlKind::TextBox: {
      auto* box = new QLineEdit(parent);
      if (stored.centred) box->setAlignment(Qt::AlignCenter);
      // The program writes every box; the user may select and copy, not type.
      box->setReadOnly(true);
      return box;
    }
    case ControlKind::MultiLineTextBox: {
      auto* box = new QPlainTextEdit(parent);
      // The three lines of the list fill the box exactly: no scroll bars, no
      // wrapping, and a thin margin.
      box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      box->setLineWrapMode(QPlainTextEdit::NoWrap);
      box->document()->setDocumentMargin(1);
      box->setTabChangesFocus(true);  // Tab moves on, so the keyboard never gets stuck
      box->setReadOnly(true);
      return box;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(parent);
      label->setAlignment(stored.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
      return label;
    }
  }
  return nullptr;
}

void applyColours(const StoredControl& stored, platform::QtControl& control) {
  if (stored.backColour) control.setBackColor(*stored.backColour);
  if (stored.foreColour) control.setForeColor(*stored.foreColour);
}

}  // namespace

FormWindow::FormWindow(const WindowLayout& stored, const platform::Language& language)
    : WindowWidget(QSize(platform::ToWholePixels(stored.clientWidth),
                         platform::ToWholePixels(stored.clientHeight))) {
  setWindowTitle(ToQString(language.localized(stored.caption)));
  for (const StoredControl& control : stored.controls) addControl(control, language);
  // Labels lie under the other controls where they overlap ("Local Time"
  // reaches into its readout box), as labels drawn on the window would.
  for (const StoredControl& control : stored.controls) {
    if (control.kind == ControlKind::Label) this->control(control.name).widget()->lower();
  }
}

void FormWindow::addControl(const StoredControl& stored, const platform::Language& language) {
  QWidget* widget = makeWidget(stored, this);
  widget->setObjectName(ToQString(stored.name));
  auto control = std::make_unique<platform::QtControl>(
      widget, kindOf(stored.kind), stored.left, stored.top, stored.width, stored.height, *this);
  control->setText(language.localized(stored.text));
  applyColours(stored, *control);
  control->setVisible(stored.visible);
  controls_.emplace(std::string(stored.name), std::move(control));
}

platform::QtControl& FormWindow::control(std::string_view name) {
  auto found = controls_.find(name);
  if (found == controls_.end()) throw std::out_of_range("no control " + std::string(name));
  return *found->second;
}

bool FormWindow::focusNextPrevChild(bool next) {
  std::vector<QWidget*> chain;
  for (const auto& [name, control] : controls_) {
    QWidget* widget = control->widget();
    if (widget->isVisible() && (widget->focusPolicy() & Qt::TabFocus) != 0) chain.push_back(widget);
  }
  if (chain.empty()) return false;
  std::sort(chain.begin(), chain.end(), [](const QWidget* a, const QWidget* b) {
    return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
  });
  const auto at = std::find(chain.begin(), chain.end(), focusWidget());
  const auto count = static_cast<std::ptrdiff_t>(chain.size());
  std::ptrdiff_t index = at == chain.end() ? (next ? -1 : 0) : at - chain.begin();
  index = (index + (next ? 1 : -1) + count) % count;
  chain[static_cast<std::size_t>(index)]->setFocus(next ? Qt::TabFocusReason
                                                        : Qt::BacktabFocusReason);
  return true;
}

void FormWindow::setZoom(double zoom) {
  WindowWidget::setZoom(zoom);
  const QFont usual = QApplication::font();
  QFont zoomed = usual;
  if (usual.pixelSize() > 0) {
    zoomed.setPixelSize(static_cast<int>(std::lround(usual.pixelSize() * zoom)));
  } else {
    zoomed.setPointSizeF(usual.pointSizeF() * zoom);
  }
  setFont(zoomed);
  for (const auto& [name, control] : controls_) control->rescale();
}

void FormWindow::onClick(std::string_view name, std::function<void()> action) {
  control(name).onClick(std::move(action));
}

}  // namespace ui
