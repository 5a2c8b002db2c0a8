#pragma once
// What changed on screen since the last frame, as a few rectangles to draw again.
#include <SDL.h>

#include <cstdint>
#include <vector>

#include "platform/sdl_common/footprint.h"

namespace skyscrub::sdl {

class ScreenDamage {
 public:
  // The rectangles of `window` whose pixels may differ from the last frame, now that the scene
  // shows `now` (back to front); `now` is then remembered as drawn. The first frame, and any
  // frame after Forget, is the whole window.
  std::vector<SDL_Rect> Take(const std::vector<Footprint>& now, SDL_Rect window);
  // The window lost what was drawn: the next frame is drawn whole.
  void Forget() { drawn_.clear(); }

 private:
  struct Drawn {
    SDL_Rect area;
    std::uint64_t look;
  };
  std::vector<Drawn> drawn_;
};

// `rects` cut to `window` and joined into a few: overlapping or nearly touching rectangles
// become one, and when they would cover most of the window anyway, the window itself.
std::vector<SDL_Rect> JoinRects(const std::vector<SDL_Rect>& rects, SDL_Rect window);

}  // namespace skyscrub::sdl
