#include "platform/sdl_common/playback_keys.h"

namespace skyscrub::sdl {

std::optional<recording::Playback::Control> PlaybackControlOf(const SDL_KeyboardEvent& key) {
  using Control = recording::Playback::Control;
  if (key.repeat != 0) return std::nullopt;  // a held key asks once
  switch (key.keysym.sym) {
    case SDLK_SPACE: return Control::PauseOrResume;
    case SDLK_RIGHT:
    case SDLK_PLUS:
    case SDLK_KP_PLUS:
    case SDLK_EQUALS:  // the + key, unshifted
      return Control::Faster;
    case SDLK_LEFT:
    case SDLK_MINUS:
    case SDLK_KP_MINUS:
      return Control::Slower;
    case SDLK_ESCAPE: return Control::Stop;
    default: return std::nullopt;
  }
}

}  // namespace skyscrub::sdl
