#pragma once
// Starting a loaded piece of background music on SDL2_mixer.
#include <string>

#include "platform/sdl_common/sdl_handles.h"

namespace skyscrub::sdl {

// Plays `loaded`, the piece the game asked for as `path`, `playCount` times in a row at the
// game's `volumePercent` (as this system's music files play at it: music_files.h). Returns the
// piece while it plays; an empty handle (the piece freed) when there is none or it cannot be played.
MusicHandle StartMusic(MusicHandle loaded, const std::string& path, int playCount, int volumePercent);

}  // namespace skyscrub::sdl
