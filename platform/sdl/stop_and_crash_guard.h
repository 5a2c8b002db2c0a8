#pragma once
// Interrupts and crashes must not leave the display in the game's mode. SIGINT and SIGTERM
// ask the loop to close the game normally; a crash returns the window to the desktop mode
// before the program dies.
#include <SDL.h>

namespace skyscrub::sdl {

void InstallStopAndCrashHandlers(SDL_Window* window);

// True once SIGINT or SIGTERM has arrived.
bool StopRequested();

}  // namespace skyscrub::sdl
