#pragma once
// Interrupts and crashes must not leave the display in the game's mode. SIGINT and SIGTERM
// ask the loop to close the game normally; a crash returns the window to the desktop mode
// before the program dies.
#include <SDL.h>

namespace skyscrub::sdl {

void InstallStopAndCrashHandlers(SDL_Window* window);

// From here on a crash has no window to return to the desktop (it is about to be destroyed).
void StopGuardingWindow();

// True once SIGINT or SIGTERM has arrived.
bool StopRequested();

}  // namespace skyscrub::sdl
