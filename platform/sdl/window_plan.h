#pragma once
// How the game's window opens: as specified (borderless, 800 x 600 at 0, 0), or as a window or a
// full screen of the player's, where the window's size is a whole multiple of the canvas.
#include <SDL.h>

#include <string>
#include <vector>

#include "platform/sdl/command_line.h"

namespace skyscrub::sdl {

struct WindowPlan {
  Uint32 flags = 0;
  // Where the window opens and how large (in the display's coordinates, which a high-density
  // display has fewer of than pixels); in full screen, the window that F11 turns it into.
  SDL_Rect rect{};
  std::string refusal;  // why the window cannot open: set when no display can hold it
};

// The largest whole multiple of the canvas that fits `area`, at least 1.
int LargestScaleIn(SDL_Rect area);

// The window for `options` on displays whose usable areas (the desktop less its panels) are
// `usable`, the primary display first.
WindowPlan PlanWindow(const Options& options, const std::vector<SDL_Rect>& usable);

// The usable area of each display SDL knows, the primary first.
std::vector<SDL_Rect> UsableDisplayAreas();

}  // namespace skyscrub::sdl
