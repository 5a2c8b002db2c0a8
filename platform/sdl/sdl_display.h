#pragma once
// Display modes: the game's window runs in exclusive full screen at a mode the display lists,
// and leaving that mode returns the desktop exactly as it was (nothing is stored as default).
// When the player keeps the desktop's mode (a window or the full screen of their choosing), the
// display answers as one already at the game's mode would: every mode can be set, and setting
// one leaves the window as the player has it.
#include <SDL.h>

#include "platform/platform.h"

namespace skyscrub::sdl {

class SdlDisplay final : public Display {
 public:
  SdlDisplay(SDL_Window* window, bool modeKept) : window_(window), modeKept_(modeKept) {}

  DisplaySize CurrentSize() override;
  // Only a size the display lists exactly can be set; SDL would otherwise pick a bigger mode.
  ModeTest TestMode(std::int32_t width, std::int32_t height) override;
  // The desktop's own size returns the window to the desktop; any other size is full screen.
  void ApplyMode(std::int32_t width, std::int32_t height) override;
  // This system is never restarted by a game: there is nothing to do.
  void RequestRestart() override {}

 private:
  int DisplayIndex() const;
  SDL_Window* window_;
  bool modeKept_;
};

}  // namespace skyscrub::sdl
