// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fakes/FakeWindows.h"

#include <stdexcept>

namespace fakes {

FakeWindow::FakeWindow(const ui::WindowLayout& stored)
    : width_(stored.clientWidth), height_(stored.clientHeight) {
  for (const ui::StoredControl& c : stored.controls) {
    controls_.emplace(std::string(c.name), std::make_unique<FakeControl>(c));
  }
}

FakeControl& FakeWindow::control(std::string_view name) {
  const auto found = controls_.find(name);
  if (found == controls_.end()) throw std::out_of_range("no control " + std::string(name));
  return *found->second;
}

void FakeWindow::onClick(std::string_view name, std::function<void()> action) {
  clicks_.insert_or_assign(std::string(name), std::move(action));
}

void FakeWindow::click(std::string_view name) {
  const auto action = clicks_.find(name);
  if (action != clicks_.end() && control(name).isVisible()) action->second();
}

void FakeWindow::resize(float width, float height) {
  width_ = width;
  height_ = height;
  if (resized_) resized_();
}

void FakeWindow::close() {
  if (closed_) closed_();
  visible_ = false;
}

}  // namespace fakes
