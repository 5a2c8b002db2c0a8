#include "platform/sdl_common/player_keys.h"

#include "platform/sdl_common/sdl_keyboard.h"

namespace skyscrub::sdl {

std::int16_t PlayerKeys::GetKeyState(Key key) {
  const std::int16_t state = keyboard_.GetKeyState(key);
  if (scene_ == nullptr) return state;
  bool held = HeldOnAPad(key);
  // Only the main tick asks for P, so the pause comes at the first tick after the focus went.
  if (key == Key::P && pauseAtNextTick_) {
    pauseAtNextTick_ = false;
    held = true;
  }
  return held && (state & kKeyDownBit) == 0 ? kHeldKeyState : state;
}

// Without a pad, as in most games, a key query costs no look at the scene.
bool PlayerKeys::HeldOnAPad(Key key) {
  if (pads_.Count() == 0) return false;
  const Screen screen = input::ScreenShown(*scene_);
  return input::PadHolds(key, screen, pads_.Held(screen));
}

void PlayerKeys::FocusLost() { pauseAtNextTick_ = scene_ != nullptr && scene_->Timer1.Enabled; }

}  // namespace skyscrub::sdl
