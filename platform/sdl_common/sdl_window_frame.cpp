#include "platform/sdl_common/sdl_window_frame.h"

namespace skyscrub::sdl {

void SdlWindowFrame::Place(int left, int top, int width, int height) {
  if (placedByPlayer_) return;
  SDL_SetWindowPosition(window_, left, top);
  SDL_SetWindowSize(window_, width, height);
}

void SdlWindowFrame::MakeTopmost() {
  if (!placedByPlayer_) SDL_SetWindowAlwaysOnTop(window_, SDL_TRUE);
}

void SdlWindowFrame::Unload() { SDL_HideWindow(window_); }

}  // namespace skyscrub::sdl
