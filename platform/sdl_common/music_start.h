#pragma once
// Starting a loaded piece of background music on SDL2_mixer.
#include "platform/sdl_common/sdl_handles.h"

namespace skyscrub::sdl {

// Plays `loaded` at `volumePercent`, `playCount` times in a row. Returns the piece while it
// plays; an empty handle (the piece freed) when there is none or it cannot be played.
MusicHandle StartMusic(MusicHandle loaded, int playCount, int volumePercent);

}  // namespace skyscrub::sdl
