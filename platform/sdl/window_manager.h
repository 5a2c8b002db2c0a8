#pragma once
// Whether something on the system makes a window full screen when asked: a window manager does;
// without one (a bare X server) the game must size the window to the display itself. Each
// system realises it in a file of its own.
#include <SDL.h>

namespace skyscrub::sdl {

bool SystemFillsFullScreens(SDL_Window* window);

}  // namespace skyscrub::sdl
