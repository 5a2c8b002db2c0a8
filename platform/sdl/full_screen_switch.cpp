#include "platform/sdl/full_screen_switch.h"

#include <algorithm>

#include "platform/sdl/window_manager.h"

namespace skyscrub::sdl {

bool FullScreenSwitch::Asks(const SDL_KeyboardEvent& key) {
  if (key.repeat != 0) return false;
  const SDL_Keycode code = key.keysym.sym;
  const bool alt = (key.keysym.mod & KMOD_ALT) != 0;
  return code == SDLK_F11 || (alt && (code == SDLK_RETURN || code == SDLK_KP_ENTER));
}

void FullScreenSwitch::Toggle() {
  if ((SDL_GetWindowFlags(window_) & SDL_WINDOW_FULLSCREEN) != 0) {
    SDL_SetWindowFullscreen(window_, 0);
    // Some window managers do not give the window its size back by themselves.
    SDL_SetWindowSize(window_, windowed_.w, windowed_.h);
    SDL_SetWindowPosition(window_, windowed_.x, windowed_.y);
    return;
  }
  SDL_GetWindowPosition(window_, &windowed_.x, &windowed_.y);
  SDL_GetWindowSize(window_, &windowed_.w, &windowed_.h);
  // Without a window manager nobody makes the window fill the display: it is made as large as
  // the display first.
  SDL_Rect display{};
  if (!SystemFillsFullScreens(window_) &&
      SDL_GetDisplayBounds(std::max(SDL_GetWindowDisplayIndex(window_), 0), &display) == 0) {
    SDL_SetWindowPosition(window_, display.x, display.y);
    SDL_SetWindowSize(window_, display.w, display.h);
  }
  SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

}  // namespace skyscrub::sdl
