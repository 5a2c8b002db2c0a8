#pragma once
// What a player's controls (a gamepad's, a touch screen's) stand for: on a screen, a control
// holds a key the game polls.
#include <array>
#include <cstddef>

#include "platform/input/game_screen.h"
#include "platform/platform.h"

namespace skyscrub::input {

template <typename Control>
struct KeyBinding {
  Screen screen;
  Key key;
  Control control;
};

// Gives `visit` each control that stands for `key` on `screen` in `bindings`.
template <typename Control, std::size_t N, typename Visit>
void ForControlsOf(const std::array<KeyBinding<Control>, N>& bindings, Key key, Screen screen, Visit visit) {
  for (const KeyBinding<Control>& b : bindings) {
    if (b.screen == screen && b.key == key) visit(b.control);
  }
}

}  // namespace skyscrub::input
