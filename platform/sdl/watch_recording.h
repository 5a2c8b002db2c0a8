#pragma once
// Skyscrub --play FILE: a recording played back in the game's window for someone to watch.
#include <SDL.h>

#include <string>

#include "platform/sdl/command_line.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl_common/early_decoding.h"

namespace skyscrub::sdl {

// Whether the recording `path` can be read at all; why not in `error`.
bool CanReadRecording(const std::string& path, std::string& error);

// Plays the recording `path` back in `window` until it ends or the viewer stops it. One that
// does not play to its end is told in a message box. The exit status: 0, or 10 and the
// headless replay's status.
int WatchRecording(const std::string& path, SdlPlatform& system, SDL_Window* window, Presentation presentation,
                   SDL_Rect windowed, EarlyDecoding& firstScreen);

}  // namespace skyscrub::sdl
