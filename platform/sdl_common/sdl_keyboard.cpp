#include "platform/sdl_common/sdl_keyboard.h"

#include <SDL.h>

namespace skyscrub::sdl {

namespace {

SDL_Scancode ScancodeOf(Key key) {
  switch (key) {
    case Key::Escape: return SDL_SCANCODE_ESCAPE;
    case Key::Space: return SDL_SCANCODE_SPACE;
    case Key::Left: return SDL_SCANCODE_LEFT;
    case Key::Up: return SDL_SCANCODE_UP;
    case Key::Right: return SDL_SCANCODE_RIGHT;
    case Key::P: return SDL_SCANCODE_P;
    case Key::Z: return SDL_SCANCODE_Z;
  }
  return SDL_SCANCODE_UNKNOWN;
}

}  // namespace

void SdlKeyboard::LookAtEvents() {
  SDL_PumpEvents();
  NothingNew();
}

void SdlKeyboard::NothingNew() { lastPump_ = SDL_GetPerformanceCounter(); }

std::int16_t SdlKeyboard::GetKeyState(Key key) {
  // The state as of now, not as of the last event the loop handled. The several keys one
  // tick asks for, within a fifth of a millisecond, share one look at the system's events
  // (as do the ticks run right after the loop's own look at them).
  const Uint64 now = SDL_GetPerformanceCounter();
  if (lastPump_ == 0 || now - lastPump_ > SDL_GetPerformanceFrequency() / 5000) LookAtEvents();
  const Uint8* state = SDL_GetKeyboardState(nullptr);
  return state[ScancodeOf(key)] != 0 ? kHeldKeyState : std::int16_t{0};
}

}  // namespace skyscrub::sdl
