#pragma once
// The keys that control a recording being watched, in the game's window and on the page alike.
#include <SDL.h>

#include <optional>

#include "recording/playback.h"

namespace skyscrub::sdl {

// The control a key asks of a playback: Space, Right or +, Left or -, Escape.
std::optional<recording::Playback::Control> PlaybackControlOf(const SDL_KeyboardEvent& key);

}  // namespace skyscrub::sdl
