#pragma once
// The gamepads plugged in: any controller SDL's game-controller database knows, opened when it
// is plugged in (before or during the game) and closed when it is unplugged. Their controls
// are read at the moment the game asks, as the keyboard's are, so an unplugged pad holds
// nothing down.
#include <SDL.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/input/game_screen.h"
#include "platform/input/gamepad_bindings.h"
#include "platform/input/screen_presses.h"

namespace skyscrub::sdl {

// The pads' controls and the screens they act on, as the input rules name them.
using input::PadControl;
using input::PadControls;
using input::Screen;

// How far a stick or trigger (of 32767) must move before it counts: a stick at rest is rarely
// quite at its centre.
inline constexpr Sint16 kStickDeadZone = 8000;
inline constexpr Sint16 kTriggerDeadZone = 8000;

// The control a button of SDL's game-controller layout is to the game, if any.
std::optional<PadControl> ControlOfButton(Uint8 button);

class Gamepads {
 public:
  Gamepads() = default;
  Gamepads(const Gamepads&) = delete;
  Gamepads& operator=(const Gamepads&) = delete;
  ~Gamepads();

  // Starts SDL's game controllers; the pads already plugged in arrive as plug-in events.
  // False when SDL has none to offer.
  bool Start();
  // Opens a pad plugged in, closes one unplugged, and delivers the click a button pressed makes
  // on the screen the game shows (the menu's choices). False for any other event, left alone.
  bool Handle(const SDL_Event& event, WindowEvents& events);
  // Reads the pads' state now (`now` in microseconds), the presses counting on the screen
  // `scene` shows; with no pad open, looks for one plugged in a few times a second.
  void Update(std::int64_t now, const Scene& scene);

  // The controls held now on every pad together that were pressed while `screen` was up: a
  // button that changed the screen does nothing on the next one until pressed again.
  PadControls Held(Screen screen);
  std::size_t Count() const { return pads_.size(); }

 private:
  void Open(int deviceIndex);
  void Close(SDL_JoystickID id);

  using PadPresses = input::ScreenPresses<static_cast<std::size_t>(PadControl::Count)>;
  struct Pad {
    SDL_GameController* controller;
    SDL_JoystickID id;
    PadPresses presses;  // as last read
  };
  // Reads the pad, noting the screen of each control newly pressed.
  static void Read(Pad& pad, Screen screen);

  bool started_ = false;
  std::vector<Pad> pads_;
  std::int64_t lastLook_ = 0;
};

}  // namespace skyscrub::sdl
