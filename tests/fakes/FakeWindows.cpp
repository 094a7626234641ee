#include "tests/fakes/FakeWindows.h"

namespace fakes {

FakeWindow::FakeWindow(const ui::WindowSpec& spec)
    : width_(spec.clientWidth), height_(spec.clientHeight) {
  for (const ui::ControlSpec& c : spec.controls) {
    controls_.emplace(std::string(c.name), std::make_unique<FakeControl>(c));
  }
}

}  // namespace fakes
