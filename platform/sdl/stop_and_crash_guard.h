#pragma once
// Interrupts and crashes must not leave the display in the game's mode, nor lose a recording.
// SIGINT and SIGTERM ask the loop to close the game normally; a crash writes out the recording
// and returns the window to the desktop mode before the program dies.
#include <SDL.h>

namespace skyscrub::sdl {

void InstallStopAndCrashHandlers(SDL_Window* window);

// From here on a crash has no window to return to the desktop (it is about to be destroyed).
void StopGuardingWindow();

// On a crash, `lastWords` runs first with the signal (nullptr: nothing). It must only do what
// a signal handler may: the game's recording uses it to write out what it holds.
void SetCrashWriter(void (*lastWords)(int signal));

// True once SIGINT or SIGTERM has arrived.
bool StopRequested();

}  // namespace skyscrub::sdl
