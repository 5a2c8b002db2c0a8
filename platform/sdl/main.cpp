// Skyscrub: the game window on SDL2.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>

#include "game/game_window.h"
#include "game/window_events.h"
#include "platform/sdl/command_line.h"
#include "platform/sdl/demo_file.h"
#include "platform/sdl/display_opening.h"
#include "platform/sdl/game_loop.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl/starting_console.h"
#include "platform/sdl/stop_and_crash_guard.h"
#include "platform/sdl/watch_recording.h"
#include "platform/sdl/window_plan.h"
#include "platform/sdl_common/art_textures.h"
#include "platform/sdl_common/early_decoding.h"
#include "platform/sdl_common/sdl_handles.h"
#include "settings/program_names.h"
#include "skyscrub/version.h"
#include "recording/demo_recorder.h"

namespace {

using namespace skyscrub;
using namespace skyscrub::sdl;

// On X11 the window's pixels live in memory shared with the display server, so showing a few
// changed rectangles costs only those rectangles. SDL would otherwise put an OpenGL texture
// behind the window's pixels, loading OpenGL and uploading the whole window with every frame.
// Other systems keep SDL's choice, as they may have no window pixels of their own.
void KeepWindowPixelsShared() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver != nullptr && std::strcmp(driver, "x11") == 0) SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
}

// SDL gives a window one picture as its icon: 64 pixels, which window lists and docks shrink
// cleanly to their own sizes (the desktop's icon theme holds every size for the menus).
void SetIcon(SDL_Window* window) {
  const SurfaceHandle icon = LoadArtSurface(Art::WindowIcon);
  if (icon) SDL_SetWindowIcon(window, icon.get());
}

// The file a recorded game goes to; nothing when none is asked for or it cannot be created,
// in which case the game is played without recording.
std::optional<DemoFile> RecordingFile(const Options& options) {
  if (!options.record) return std::nullopt;
  std::string error;
  std::optional<DemoFile> file = DemoFile::Create(*options.record, error);
  if (!file) {
    std::fprintf(stderr, "Skyscrub: cannot record to %s: %s; playing without recording\n", options.record->c_str(),
                 error.c_str());
  }
  return file;
}

std::atomic<recording::DemoRecorder*> crashRecording{nullptr};

void WriteRecordingOnCrash(int signal) {
  if (recording::DemoRecorder* recorder = crashRecording.load()) recorder->WriteOnCrash(signal);
}

int RunGame(EarlyDecoding& firstScreen, const Options& options, const WindowPlan& plan) {
  KeepWindowPixelsShared();
  // A full screen opens as large as the display: without a window manager to make it fill the
  // display, the window stays as large as it opened.
  SDL_Rect opening = plan.rect;
  if ((plan.flags & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP) SDL_GetDisplayBounds(0, &opening);
  const WindowHandle window(SDL_CreateWindow("", opening.x, opening.y, opening.w, opening.h, plan.flags));
  if (!window) {
    std::fprintf(stderr, "Skyscrub: cannot open a window: %s\n", SDL_GetError());
    return 1;
  }
  SetIcon(window.get());
  InstallStopAndCrashHandlers(window.get());

  SdlPlatform system(window.get(), options.presentation);
  if (options.play) {
    const int status = WatchRecording(*options.play, system, window.get(), options.presentation, plan.rect, firstScreen);
    StopGuardingWindow();
    return status;
  }
  std::optional<DemoFile> file = RecordingFile(options);
  std::unique_ptr<recording::DemoRecorder> recorder;
  if (file) {
    const std::string heading = std::string("# A game of Skyscrub ") + kVersion + ", recorded with --record " +
                                *options.record + "\n# Replay it with: skyscrub-trace " + *options.record + "\n";
    recorder = std::make_unique<recording::DemoRecorder>(system.platform, *file, heading);
  }
  GameWindow game(recorder ? recorder->platform() : system.platform);
  if (recorder) {
    recorder->Watch(game);
    crashRecording = recorder.get();
    SetCrashWriter(WriteRecordingOnCrash);
  }
  system.keys.Watch(game);
  WindowEvents events(game, recorder.get());
  SDL_SetWindowTitle(window.get(), std::string(game.Form1.caption).c_str());
  GameLoop loop(events, system, window.get(), options.presentation, plan.rect, &firstScreen);
  system.messages.beforeShowing = [&loop] { loop.DrawNow(); };
  events.Deliver({WindowEvent::Kind::Load});
  SDL_ShowWindow(window.get());
  SDL_RaiseWindow(window.get());
  events.Deliver({WindowEvent::Kind::Activate});
  loop.Run();
  if (recorder) {
    SetCrashWriter(nullptr);
    recorder->Finish();
    file->ReportAtExit();
  }
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
int OpenDisplayAndRun(EarlyDecoding& firstScreen, const Options& options) {
  std::string whyNot;
  if (SDL_Init(SDL_INIT_TIMER) != 0 || !OpenDisplay(whyNot)) {
    std::fprintf(stderr, "Skyscrub: cannot open a display: %s\n", whyNot.empty() ? SDL_GetError() : whyNot.c_str());
    SDL_Quit();
    return 1;
  }
  if (!OnARealDisplay()) {
    std::fprintf(stderr, "Skyscrub: cannot open a display: none found (set DISPLAY)\n");
    SDL_Quit();
    return 1;
  }
  // Only now are the displays known, and so whether the window asked for fits any of them.
  const WindowPlan plan = PlanWindow(options, UsableDisplayAreas());
  if (!plan.refusal.empty()) {
    std::fprintf(stderr, "Skyscrub: %s\n", plan.refusal.c_str());
    SDL_Quit();
    return 2;
  }
  TTF_Init();
  const int status = RunGame(firstScreen, options, plan);
  TTF_Quit();
  SDL_Quit();
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine line = ReadCommandLine(argc, argv);
  if (line.action != CommandLine::Action::Play) WriteToStartingConsole();
  switch (line.action) {
    case CommandLine::Action::Help:
    {
      const settings::ProgramNames names = settings::ProgramNamesIn(settings::RunningProgramLayout());
      const std::string usage = Usage(settings::InvokedAs(argv[0], names.game), names.editor);
      std::fwrite(usage.data(), 1, usage.size(), stdout);
    }
      return 0;
    case CommandLine::Action::Version:
      std::printf("Skyscrub %s\n", kVersion);
      return 0;
    case CommandLine::Action::Refuse:
      std::fprintf(stderr, "Skyscrub: %s\n", line.error.c_str());
      return 2;
    case CommandLine::Action::Play:
      break;
  }
  std::string unreadable;
  if (line.options.play && !CanReadRecording(*line.options.play, unreadable)) {
    std::fprintf(stderr, "Skyscrub: cannot read the recording %s: %s\n", line.options.play->c_str(), unreadable.c_str());
    return 2;
  }
  // The window's class names the game's desktop entry (StartupWMClass), whatever this program
  // file is called; SDL's X11 driver takes it from the environment when the display opens.
  // Set before any other thread starts.
  SDL_setenv("SDL_VIDEO_X11_WMCLASS", "Skyscrub", 1);
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // the game installs its own
  IMG_Init(IMG_INIT_PNG);
  int status = 1;
  {
    // The title screen's picture is decoded while the display is being opened.
    EarlyDecoding firstScreen({Art::TitleScreen});
    status = OpenDisplayAndRun(firstScreen, line.options);
  }
  IMG_Quit();
  return status;
}
