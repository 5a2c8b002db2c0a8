// Skyscrub: the game window on SDL2.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstring>

#include "game/game_window.h"
#include "platform/sdl/art_textures.h"
#include "platform/sdl/early_decoding.h"
#include "platform/sdl/game_loop.h"
#include "platform/sdl/sdl_handles.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl/stop_and_crash_guard.h"

namespace {

using namespace skyscrub;
using namespace skyscrub::sdl;

constexpr int kWidth = 800;
constexpr int kHeight = 600;

// On X11 the window's pixels live in memory shared with the display server, so showing a few
// changed rectangles costs only those rectangles. SDL would otherwise put an OpenGL texture
// behind the window's pixels, loading OpenGL and uploading the whole window with every frame.
// Other systems keep SDL's choice, as they may have no window pixels of their own.
void KeepWindowPixelsShared() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver != nullptr && std::strcmp(driver, "x11") == 0) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}

void SetIcon(SDL_Window* window) {
  const SurfaceHandle icon = LoadArtSurface(Art::Icon);
  if (icon) SDL_SetWindowIcon(window, icon.get());
}

int RunGame(EarlyDecoding& firstScreen) {
  KeepWindowPixelsShared();
  const WindowHandle window(SDL_CreateWindow("Aerolith", 0, 0, kWidth, kHeight, SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN));
  if (!window) {
    std::fprintf(stderr, "Skyscrub: cannot open a window: %s\n", SDL_GetError());
    return 1;
  }
  SetIcon(window.get());
  InstallStopAndCrashHandlers(window.get());

  SdlPlatform system(window.get());
  GameWindow game(system.platform);
  GameLoop loop(game, system.keyboard, system.frame, window.get(), &firstScreen);
  system.messages.beforeShowing = [&loop] { loop.DrawNow(); };
  game.Form_Load();
  SDL_ShowWindow(window.get());
  SDL_RaiseWindow(window.get());
  game.Form_Activate();
  loop.Run();
  StopGuardingWindow();
  return 0;
}

// SDL falls back to drawing into memory when it finds no display; the game only accepts that
// when asked for it by name (SDL_VIDEODRIVER).
bool OnARealDisplay() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr) return false;
  if (SDL_getenv("SDL_VIDEODRIVER") != nullptr) return true;
  return std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

// Opens the display and runs the game; the exit status.
int OpenDisplayAndRun(EarlyDecoding& firstScreen) {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) != 0) {
    std::fprintf(stderr, "Skyscrub: cannot open a display: %s\n", SDL_GetError());
    return 1;
  }
  if (!OnARealDisplay()) {
    std::fprintf(stderr, "Skyscrub: cannot open a display: none found (set DISPLAY)\n");
    SDL_Quit();
    return 1;
  }
  TTF_Init();
  const int status = RunGame(firstScreen);
  TTF_Quit();
  SDL_Quit();
  return status;
}

}  // namespace

int main(int, char**) {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // the game installs its own
  IMG_Init(IMG_INIT_PNG);
  int status = 1;
  {
    // The title screen's picture is decoded while the display is being opened.
    EarlyDecoding firstScreen({Art::TitleScreen});
    status = OpenDisplayAndRun(firstScreen);
  }
  IMG_Quit();
  return status;
}
