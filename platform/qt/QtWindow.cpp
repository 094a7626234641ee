// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/QtWindow.h"

#include "platform/Twips.h"

namespace platform {

float QtWindow::left() const {
  return ToTwips(widget_.frameGeometry().x());
}
float QtWindow::top() const {
  return ToTwips(widget_.frameGeometry().y());
}
float QtWindow::width() const {
  return ToTwips(widget_.frameGeometry().width());
}
float QtWindow::height() const {
  return ToTwips(widget_.frameGeometry().height());
}

float QtWindow::clientWidth() const {
  return ToTwips(widget_.width());
}

void QtWindow::setLeft(float twips) {
  widget_.requestOuterLeft(ToWholePixels(twips));
}
void QtWindow::setTop(float twips) {
  widget_.requestOuterTop(ToWholePixels(twips));
}
void QtWindow::setWidth(float twips) {
  widget_.requestOuterWidth(ToWholePixels(twips));
}
void QtWindow::setHeight(float twips) {
  widget_.requestOuterHeight(ToWholePixels(twips));
}

}  // namespace platform
