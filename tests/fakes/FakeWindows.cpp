// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/fakes/FakeWindows.h"

namespace fakes {

FakeWindow::FakeWindow(const ui::WindowLayout& stored)
    : width_(stored.clientWidth), height_(stored.clientHeight) {
  for (const ui::StoredControl& c : stored.controls) {
    controls_.emplace(std::string(c.name), std::make_unique<FakeControl>(c));
  }
}

}  // namespace fakes
