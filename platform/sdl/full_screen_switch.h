#pragma once
// F11 and Alt+Enter: the player's window becomes the full screen (at the display's own mode)
// and back, at the size and place it had.
#include <SDL.h>

namespace skyscrub::sdl {

class FullScreenSwitch {
 public:
  // `windowed`: where the window goes when it leaves the full screen before it was ever a window.
  FullScreenSwitch(SDL_Window* window, SDL_Rect windowed) : window_(window), windowed_(windowed) {}

  // Whether the key pressed asks for the switch.
  static bool Asks(const SDL_KeyboardEvent& key);
  void Toggle();

 private:
  SDL_Window* window_;
  SDL_Rect windowed_;
};

}  // namespace skyscrub::sdl
