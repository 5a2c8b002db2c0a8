#include "platform/sdl_common/player_keys.h"

#include "platform/sdl_common/sdl_keyboard.h"

namespace skyscrub::sdl {

std::int16_t PlayerKeys::GetKeyState(Key key) {
  const std::int16_t state = keyboard_.GetKeyState(key);
  if (scene_ == nullptr) return state;
  bool held = HeldByHand(key);
  // Only the main tick asks for P, so the pause comes at the first tick after the focus went.
  if (key == Key::P && pauseAtNextTick_) {
    pauseAtNextTick_ = false;
    held = true;
  }
  return held && (state & kKeyDownBit) == 0 ? kHeldKeyState : state;
}

// Without a pad or a finger, as in most games, a key query costs no look at the scene.
bool PlayerKeys::HeldByHand(Key key) {
  const bool pads = pads_.Count() != 0;
  const bool touch = touch_ != nullptr && touch_->Any();
  if (!pads && !touch) return false;
  const Screen screen = input::ScreenShown(*scene_);
  const bool onAPad = pads && input::PadHolds(key, screen, pads_.Held(screen));
  // Asked even when a pad holds the key: the answer is what a tap waits for.
  const bool touched = touch && touch_->Holds(key, screen);
  return onAPad || touched;
}

void PlayerKeys::FocusLost() { pauseAtNextTick_ = scene_ != nullptr && scene_->Timer1.Enabled; }

}  // namespace skyscrub::sdl
