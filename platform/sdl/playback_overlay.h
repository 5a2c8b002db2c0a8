#pragma once
// What a recording being watched shows over the game: its speed and position, in a small box
// in the window's bottom left corner, over the grass and clear of the game's labels and bars. Drawn straight into the window's pixels after each frame,
// never into the game's scene, so nothing the game holds or a check reads changes with it.
#include <SDL.h>

#include <string>
#include <string_view>

#include "platform/sdl_common/sdl_handles.h"

namespace skyscrub::sdl {

class PlaybackOverlay {
 public:
  explicit PlaybackOverlay(SDL_Window* window);

  // Draws `text` over whatever the window shows and shows it.
  void Draw(std::string_view text);

 private:
  SDL_Window* window_;
  FontHandle font_;
};

}  // namespace skyscrub::sdl
