#include "platform/sdl_common/player_keys.h"

#include "platform/sdl_common/sdl_keyboard.h"

namespace skyscrub::sdl {

std::int16_t PlayerKeys::GetKeyState(Key key) {
  const std::int16_t state = keyboard_.GetKeyState(key);
  if (scene_ == nullptr) return state;
  const Screen screen = ScreenShown(*scene_);
  bool held = PadHolds(key, screen, pads_.Held(screen));
  // Only the main tick asks for P, so the pause comes at the first tick after the focus went.
  if (key == Key::P && pauseAtNextTick_) {
    pauseAtNextTick_ = false;
    held = true;
  }
  return held && (state & kKeyDownBit) == 0 ? kHeldKeyState : state;
}

void PlayerKeys::FocusLost() { pauseAtNextTick_ = scene_ != nullptr && scene_->Timer1.Enabled; }

}  // namespace skyscrub::sdl
