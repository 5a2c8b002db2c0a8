#pragma once
// The key-state query the game polls: the keyboard's keys, held also by what a gamepad's or a
// touch screen's controls stand for on the screen shown, and P held once at the first main tick after a
// scaled window lost the focus, so that the game's own pause rule pauses it.
#include "game/scene/scene.h"
#include "platform/platform.h"
#include "platform/input/touch_controls.h"
#include "platform/sdl_common/gamepads.h"

namespace skyscrub::sdl {

class PlayerKeys final : public Keyboard {
 public:
  // `touch`: the touch screen's controls, where there are any (the page's).
  PlayerKeys(Keyboard& keyboard, Gamepads& pads, input::TouchControls* touch = nullptr)
      : keyboard_(keyboard), pads_(pads), touch_(touch) {}

  // The scene whose screen decides what the pads' and the touch controls stand for; until it is
  // given, only the keyboard counts.
  void Watch(const Scene& scene) { scene_ = &scene; }

  std::int16_t GetKeyState(Key key) override;
  // The window lost the focus: a game running now pauses at its next main tick.
  void FocusLost();

 private:
  // Whether a pad or a touch control holds `key` on the screen shown.
  bool HeldByHand(Key key);

  Keyboard& keyboard_;
  Gamepads& pads_;
  input::TouchControls* touch_;
  const Scene* scene_ = nullptr;
  bool pauseAtNextTick_ = false;
};

}  // namespace skyscrub::sdl
