#pragma once
// Interrupts and crashes must not leave the display in the game's mode, nor lose a recording.
// A stop request (on POSIX systems SIGHUP, SIGINT and SIGTERM) asks the loop to close the game
// normally, whatever is on the screen; a crash writes out the recording and returns the window to
// the desktop mode before the program dies. Realised per system (posix/).
#include <SDL.h>

namespace skyscrub::sdl {

void InstallStopAndCrashHandlers(SDL_Window* window);

// From here on a crash has no window to return to the desktop (it is about to be destroyed).
void StopGuardingWindow();

// On a crash, `lastWords` runs first with the signal (nullptr: nothing). It must only do what
// a signal handler may: the game's recording uses it to write out what it holds.
void SetCrashWriter(void (*lastWords)(int signal));

// True once a stop has been requested.
bool StopRequested();

// Held while a message box is open. The box runs a loop of its own (SDL's; on X11 in a helper
// process SDL forks), which would keep a stop request waiting until the player answers: while
// this is held, a stop closes the box at once, as if it were closed without a choice. The box
// never outlives the game.
class OpenMessageBox {
 public:
  OpenMessageBox();
  ~OpenMessageBox();
  OpenMessageBox(const OpenMessageBox&) = delete;
  OpenMessageBox& operator=(const OpenMessageBox&) = delete;
};

}  // namespace skyscrub::sdl
