#pragma once
// The game window as the game moves, raises and closes it. A window the player places (a
// window or the full screen of their choosing) stays where and as large as the player has it,
// and is not kept in front of the others.
#include <SDL.h>

#include "platform/platform.h"

namespace skyscrub::sdl {

class SdlWindowFrame final : public Window {
 public:
  explicit SdlWindowFrame(SDL_Window* window, bool placedByPlayer = false)
      : window_(window), placedByPlayer_(placedByPlayer) {}

  void Place(int left, int top, int width, int height) override;
  void MakeTopmost() override;
  void Unload() override;
  void EndProgram() override { endRequested_ = true; }

  bool endRequested() const { return endRequested_; }

 private:
  SDL_Window* window_;
  bool placedByPlayer_;
  bool endRequested_ = false;
};

}  // namespace skyscrub::sdl
