#pragma once
// Modal message boxes over the game window, without an icon. A stop request closes an open box
// as if it were closed without a choice, and a box asked for after one is not shown.
#include <SDL.h>

#include <functional>

#include "platform/platform.h"

namespace skyscrub::sdl {

class SdlMessageBoxes final : public MessageBoxes {
 public:
  explicit SdlMessageBoxes(SDL_Window* window) : window_(window) {}
  // A box that cannot be shown, or is closed without a choice, answers OK or No.
  MessageAnswer Show(std::string_view title, std::string_view text, MessageButtons buttons) override;

  // Brings the window up to date before a box covers it: while the box waits for the player,
  // the game behind it shows its current state.
  std::function<void()> beforeShowing;

 private:
  SDL_Window* window_;
};

}  // namespace skyscrub::sdl
