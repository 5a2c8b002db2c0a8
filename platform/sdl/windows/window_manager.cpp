// Windows itself makes a window full screen when SDL asks it to.
#include "platform/sdl/window_manager.h"

namespace skyscrub::sdl {

bool SystemFillsFullScreens(SDL_Window*) { return true; }

}  // namespace skyscrub::sdl
