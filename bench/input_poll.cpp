// Whether the game's key-state query sees a key as soon as it goes down and stops seeing it
// as soon as it goes up. A window of the game's size takes the focus under the display in
// DISPLAY; xdotool presses and releases Z through the X server (it returns once the server has
// taken the event); right after each, one query is made, as the next tick or poll would.
// Prints one JSON line: trials, presses seen by the next query, releases missed by it.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "platform/sdl_common/sdl_keyboard.h"
#include "platform/sdl_common/sdl_handles.h"

namespace {

constexpr int kTrials = 100;

bool Focus(SDL_Window* window) {
  SDL_ShowWindow(window);
  SDL_RaiseWindow(window);
  SDL_SetWindowInputFocus(window);
  for (int i = 0; i < 200 && SDL_GetKeyboardFocus() != window; ++i) {
    SDL_PumpEvents();
    SDL_Delay(5);
  }
  return SDL_GetKeyboardFocus() == window;
}

bool Xdotool(const char* action) {
  char command[64];
  std::snprintf(command, sizeof command, "xdotool %s z", action);
  return std::system(command) == 0;
}

}  // namespace

int main(int, char**) {
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "no display: %s\n", SDL_GetError());
    return 1;
  }
  const skyscrub::sdl::WindowHandle window(SDL_CreateWindow("input", 0, 0, 800, 600, SDL_WINDOW_BORDERLESS));
  if (!window || !Focus(window.get())) {
    std::fprintf(stderr, "the window cannot take the keyboard focus\n");
    return 1;
  }
  skyscrub::sdl::SdlKeyboard keyboard;
  int downSeen = 0;
  int upMissed = 0;
  for (int i = 0; i < kTrials; ++i) {
    if (!Xdotool("keydown")) return 1;
    if ((keyboard.GetKeyState(skyscrub::Key::Z) & skyscrub::kKeyDownBit) != 0) ++downSeen;
    if (!Xdotool("keyup")) return 1;
    if ((keyboard.GetKeyState(skyscrub::Key::Z) & skyscrub::kKeyDownBit) == 0) ++upMissed;
  }
  std::printf("{\"bench\":\"input\",\"trials\":%d,\"down_seen_next_poll\":%d,\"up_unseen_next_poll\":%d}\n", kTrials,
              downSeen, upMissed);
  SDL_Quit();
  return 0;
}
