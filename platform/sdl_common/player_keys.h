#pragma once
// The key-state query the game polls: the keyboard's keys, held also by what a gamepad's
// controls stand for on the screen shown, and P held once at the first main tick after a
// scaled window lost the focus, so that the game's own pause rule pauses it.
#include "game/scene/scene.h"
#include "platform/platform.h"
#include "platform/sdl_common/gamepads.h"

namespace skyscrub::sdl {

class PlayerKeys final : public Keyboard {
 public:
  PlayerKeys(Keyboard& keyboard, Gamepads& pads) : keyboard_(keyboard), pads_(pads) {}

  // The scene whose screen decides what the pads' controls stand for; until it is given, only
  // the keyboard counts.
  void Watch(const Scene& scene) { scene_ = &scene; }

  std::int16_t GetKeyState(Key key) override;
  // The window lost the focus: a game running now pauses at its next main tick.
  void FocusLost();

 private:
  // Whether a pad holds `key` on the screen shown.
  bool HeldOnAPad(Key key);

  Keyboard& keyboard_;
  Gamepads& pads_;
  const Scene* scene_ = nullptr;
  bool pauseAtNextTick_ = false;
};

}  // namespace skyscrub::sdl
