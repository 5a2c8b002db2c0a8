#pragma once
// The game window as the game moves, raises and closes it.
#include <SDL.h>

#include "platform/platform.h"

namespace skyscrub::sdl {

class SdlWindowFrame final : public Window {
 public:
  explicit SdlWindowFrame(SDL_Window* window) : window_(window) {}

  void Place(int left, int top, int width, int height) override;
  void MakeTopmost() override;
  void Unload() override;
  void EndProgram() override { endRequested_ = true; }

  bool endRequested() const { return endRequested_; }

 private:
  SDL_Window* window_;
  bool endRequested_ = false;
};

}  // namespace skyscrub::sdl
