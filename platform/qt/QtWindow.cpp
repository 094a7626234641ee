// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtWindow.h"

namespace platform {

float QtWindow::left() const {
  return widget_.toTwips(widget_.frameGeometry().x());
}
float QtWindow::top() const {
  return widget_.toTwips(widget_.frameGeometry().y());
}
float QtWindow::width() const {
  return widget_.toTwips(widget_.frameGeometry().width());
}
float QtWindow::height() const {
  return widget_.toTwips(widget_.frameGeometry().height());
}

float QtWindow::clientWidth() const {
  return widget_.toTwips(widget_.width());
}

float QtWindow::clientHeight() const {
  return widget_.toTwips(widget_.height());
}

void QtWindow::setLeft(float twips) {
  widget_.requestOuterLeft(widget_.toPixels(twips));
}
void QtWindow::setTop(float twips) {
  widget_.requestOuterTop(widget_.toPixels(twips));
}
void QtWindow::setWidth(float twips) {
  widget_.requestOuterWidth(widget_.toPixels(twips));
}
void QtWindow::setHeight(float twips) {
  widget_.requestOuterHeight(widget_.toPixels(twips));
}

}  // namespace platform
