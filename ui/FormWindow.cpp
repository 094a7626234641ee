#include "ui/FormWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>
#include <QPushButton>
#include <stdexcept>

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

QWidget* makeWidget(const ControlSpec& spec, QWidget* parent) {
  switch (spec.kind) {
    case ControlKind::Button:
      return new QPushButton(parent);
    case ControlKind::TextBox: {
      auto* box = new QLineEdit(parent);
      if (spec.centred) box->setAlignment(Qt::AlignCenter);
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
      return box;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(parent);
      label->setAlignment(spec.centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
      return label;
    }
  }
  return nullptr;
}

void applyColours(const ControlSpec& spec, platform::QtControl& control) {
  if (spec.backColour) control.setBackColor(*spec.backColour);
  if (spec.foreColour) {
    QWidget* widget = control.widget();
    QPalette palette = widget->palette();
    const QColor colour = platform::ToQColor(*spec.foreColour);
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
  }
}

}  // namespace

FormWindow::FormWindow(const WindowSpec& spec) : QtWindow(spec.clientWidth, spec.clientHeight) {
  setWindowTitle(QString::fromUtf8(spec.caption.data(), static_cast<int>(spec.caption.size())));
  for (const ControlSpec& control : spec.controls) addControl(control);
  // Labels lie under the other controls where they overlap ("Local Time"
  // reaches into its readout box), as labels drawn on the window would.
  for (const ControlSpec& control : spec.controls) {
    if (control.kind == ControlKind::Label) this->control(control.name).widget()->lower();
  }
}

void FormWindow::addControl(const ControlSpec& spec) {
  QWidget* widget = makeWidget(spec, this);
  widget->setObjectName(QString::fromUtf8(spec.name.data(), static_cast<int>(spec.name.size())));
  auto control = std::make_unique<platform::QtControl>(widget, kindOf(spec.kind), spec.left,
                                                       spec.top, spec.width, spec.height);
  control->setText(std::string(spec.text));
  applyColours(spec, *control);
  control->setVisible(spec.visible);
  controls_.emplace(std::string(spec.name), std::move(control));
}

platform::QtControl& FormWindow::control(std::string_view name) {
  auto found = controls_.find(name);
  if (found == controls_.end()) throw std::out_of_range("no control " + std::string(name));
  return *found->second;
}

void FormWindow::onClick(std::string_view name, std::function<void()> action) {
  control(name).onClick(std::move(action));
}

}  // namespace ui
