// SPDX-License-Identifier: GPL-3.0-or-later
// Decodes its input as a sequence of user actions on both windows and drives
// the real handlers and engine with them, on fake windows and simulated
// time. Any broken invariant aborts with what went wrong.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/fakes/Invariants.h"

namespace {

class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
  bool more() const { return at_ < size_; }
  std::uint8_t byte() { return more() ? data_[at_++] : 0; }
  unsigned word() { return byte() | static_cast<unsigned>(byte()) << 8U; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void click(fakes::Rig& rig, const ui::ClickHandler& target) {
  // Only what is shown can be clicked.
  if (rig.f1(target.control).isVisible()) (rig.commands.*target.handler)();
}

void act(fakes::Rig& rig, Input& in) {
  switch (in.byte() % 5) {
    case 0:
    case 1:
      click(rig, ui::Commands::ClickHandlers()[in.byte() % ui::Commands::ClickHandlers().size()]);
      return;
    case 2:
      // The track window's close box.
      if (rig.form2Window.isVisible()) rig.commands.Form2_Close();
      return;
    case 3: {
      const float height = static_cast<float>(in.word()) * 2.0F;
      rig.form2Window.setHeight(height < ui::kTrackWindowMinHeight ? ui::kTrackWindowMinHeight
                                                                   : height);
      return;
    }
    default:
      rig.runFor(0.1 * (in.byte() % 40) + 0.05);
      return;
  }
}

[[noreturn]] void fail(const std::string& what) {
  std::fprintf(stderr, "invariant broken: %s\n", what.c_str());
  std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fakes::Rig rig;
  fakes::CheckingSurface surface;
  rig.form2Window.drawOn(surface);
  rig.runLoop.setFrameObserver([&] {
    if (std::string fault = fakes::CheckInvariants(rig); !fault.empty()) fail(fault);
  });
  Input in(data, size);
  while (in.more() && !rig.program.ended()) {
    act(rig, in);
    if (!surface.fault.empty()) fail(surface.fault);
    if (std::string fault = fakes::CheckInvariants(rig); !fault.empty()) fail(fault);
  }
  return 0;
}
