#pragma once
// What a gamepad's controls do on each screen: most stand for keys the game polls, so every
// rule of play stays the keyboard's; on the title and instruction screens two buttons take the
// menu's choices, as a click on them would.
#include <bitset>
#include <cstdint>
#include <initializer_list>
#include <optional>

#include "game/window_events.h"
#include "platform/platform.h"
#include "platform/input/game_screen.h"

namespace skyscrub::input {

// The controls the game reads, on a controller laid out as SDL's game-controller database
// describes it.
enum class PadControl : std::uint8_t {
  DpadLeft,
  DpadRight,
  DpadUp,
  StickLeft,   // the left stick pushed past its dead zone
  StickRight,
  StickUp,
  South,         // A on most pads, cross on others
  RightTrigger,  // pulled past its dead zone
  Start,
  Back,
  Count,
};

using PadControls = std::bitset<static_cast<std::size_t>(PadControl::Count)>;

inline PadControls Controls(std::initializer_list<PadControl> controls) {
  PadControls set;
  for (PadControl c : controls) set.set(static_cast<std::size_t>(c));
  return set;
}

// Whether `held` controls hold `key` down on `screen`.
bool PadHolds(Key key, Screen screen, const PadControls& held);

// The click a press of `control` makes on `screen`, if any.
std::optional<WindowEvent> MenuClickFor(Screen screen, PadControl control);

}  // namespace skyscrub::input
