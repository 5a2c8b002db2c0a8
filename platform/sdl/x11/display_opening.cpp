// SDL's video on X11: the display the session names, or none -- SDL would otherwise settle for
// drawing into memory when the named display fails to open.
#include "platform/sdl/display_opening.h"

#include <SDL.h>

#include <optional>

#include "platform/x11/named_display.h"

namespace skyscrub::sdl {

bool OpenDisplay(std::string& whyNot) {
  const std::optional<std::string> named = x11::NamedDisplay();
  // A video driver asked for by name (SDL_VIDEODRIVER) is taken as asked; with no X display
  // named, SDL looks for a display itself.
  if (!named || SDL_GetHint(SDL_HINT_VIDEODRIVER) != nullptr) {
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) == 0) return true;
    whyNot = SDL_GetError();
    return false;
  }
  SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  if (x11::KeepTrying([] { return SDL_InitSubSystem(SDL_INIT_VIDEO) == 0; })) return true;
  whyNot = x11::NoDisplayMessage(*named, SDL_GetError());
  return false;
}

}  // namespace skyscrub::sdl
