#include "platform/sdl/sdl_display.h"

namespace skyscrub::sdl {

int SdlDisplay::DisplayIndex() const {
  const int index = SDL_GetWindowDisplayIndex(window_);
  return index < 0 ? 0 : index;
}

DisplaySize SdlDisplay::CurrentSize() {
  SDL_DisplayMode desktop{};
  if (SDL_GetDesktopDisplayMode(DisplayIndex(), &desktop) != 0) return {};
  return {desktop.w, desktop.h};
}

ModeTest SdlDisplay::TestMode(std::int32_t width, std::int32_t height) {
  if (modeKept_) return ModeTest::Successful;
  const int display = DisplayIndex();
  const int count = SDL_GetNumDisplayModes(display);
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode{};
    if (SDL_GetDisplayMode(display, i, &mode) == 0 && mode.w == width && mode.h == height) return ModeTest::Successful;
  }
  return ModeTest::NotPossible;
}

void SdlDisplay::ApplyMode(std::int32_t width, std::int32_t height) {
  if (modeKept_) return;
  const int display = DisplayIndex();
  SDL_DisplayMode desktop{};
  if (SDL_GetDesktopDisplayMode(display, &desktop) != 0) return;
  if (width == desktop.w && height == desktop.h) {
    SDL_SetWindowFullscreen(window_, 0);
    SDL_SetWindowPosition(window_, 0, 0);
    return;
  }
  // Same colour depth and refresh rate as the desktop where the display offers them.
  const SDL_DisplayMode wanted{desktop.format, width, height, desktop.refresh_rate, nullptr};
  SDL_DisplayMode mode{};
  if (SDL_GetClosestDisplayMode(display, &wanted, &mode) == nullptr || mode.w != width || mode.h != height) return;
  SDL_SetWindowDisplayMode(window_, &mode);
  SDL_SetWindowFullscreen(window_, SDL_WINDOW_FULLSCREEN);
}

}  // namespace skyscrub::sdl
