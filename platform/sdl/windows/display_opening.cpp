// SDL's video on Windows: the desktop is always there, so SDL opens it as it finds it.
#include "platform/sdl/display_opening.h"

#include <SDL.h>

namespace skyscrub::sdl {

bool OpenDisplay(std::string& whyNot) {
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
  whyNot = SDL_GetError();
  return false;
}

}  // namespace skyscrub::sdl
