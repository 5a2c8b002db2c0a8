#pragma once
// A touch screen's hands: the on-screen controls the page lays over or beside the canvas, and a
// finger on the game's picture. Like a gamepad's controls they stand for keys the game polls on
// the screen shown, so every rule of play stays the keyboard's and a touch game records and
// replays as any other. A control counts only on the screen it was pressed on (the tap that
// pauses does not resume at once), and a tap is never too short: a control let go before the
// game asked for its key still holds that key for the game's next question about it.
#include <bitset>
#include <cstddef>
#include <cstdint>

#include "platform/input/game_screen.h"
#include "platform/input/screen_presses.h"
#include "platform/platform.h"

namespace skyscrub::input {

// In the order of the bits the page sends.
enum class TouchControl : std::uint8_t {
  Left,
  Right,
  Engine,
  Fire,
  Pause,
  Picture,  // a finger on the game's picture
  Count,
};

inline constexpr std::size_t kTouchControlCount = static_cast<std::size_t>(TouchControl::Count);
using TouchHeld = std::bitset<kTouchControlCount>;

// Whether `control` stands for any key on `screen`.
bool TouchBinds(TouchControl control, Screen screen);

class TouchControls {
 public:
  // The controls held now, as the page tells them, while `screen` is up.
  void Set(const TouchHeld& held, Screen screen);
  // Whether a control holds `key` on `screen`; answering held is what a tap waits for.
  bool Holds(Key key, Screen screen);
  // Whether any control holds anything: without, a key query costs no look at the scene.
  bool Any() const { return (held_ | unseen_).any(); }

 private:
  ScreenPresses<kTouchControlCount> presses_;
  TouchHeld held_;    // as the page told
  TouchHeld unseen_;  // pressed, and not yet answered held
};

}  // namespace skyscrub::input
