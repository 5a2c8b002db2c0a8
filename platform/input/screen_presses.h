#pragma once
// Controls held, each counting only on the screen it was pressed on: a press that changed the
// screen does nothing on the next one until it is let go and pressed again (so the press that
// starts a game fires no shot, and the one that pauses does not resume at once).
#include <array>
#include <bitset>
#include <cstddef>
#include <optional>

#include "platform/input/game_screen.h"

namespace skyscrub::input {

template <std::size_t N>
class ScreenPresses {
 public:
  using Controls = std::bitset<N>;

  // Controls held as the device came: they count from their next press.
  explicit ScreenPresses(const Controls& heldAlready = {}) : held_(heldAlready) {}

  // The controls held now; those newly pressed were pressed while `screen` was up.
  void Update(const Controls& now, Screen screen) {
    for (std::size_t i = 0; i < N; ++i) {
      if (now.test(i) && !held_.test(i)) pressedOn_[i] = screen;
    }
    held_ = now;
  }

  // The controls held that were pressed while `screen` was up.
  Controls HeldOn(Screen screen) const {
    Controls counted;
    for (std::size_t i = 0; i < N; ++i) counted.set(i, held_.test(i) && pressedOn_[i] == screen);
    return counted;
  }

 private:
  Controls held_;
  std::array<std::optional<Screen>, N> pressedOn_{};
};

}  // namespace skyscrub::input
