// Skyscrub in the browser: the game window on the SDL family built for WebAssembly, in a page
// that drives its frames (web/page/page.js).
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>
#include <emscripten.h>
#include <emscripten/html5.h>

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "game/game_window.h"
#include "game/window_events.h"
#include "platform/input/game_screen.h"
#include "platform/sdl_common/canvas_view.h"
#include "platform/web/options_form.h"
#include "platform/web/page_bridge.h"
#include "platform/web/page_watch.h"
#include "platform/web/web_loop.h"
#include "platform/web/web_platform.h"
#include "recording/demo_recorder.h"
#include "settings/file_access.h"
#include "settings/settings_file.h"
#include "skyscrub/version.h"

namespace {

using namespace skyscrub;
using namespace skyscrub::web;

// Everything one game needs, in the order it is set up and the reverse order it goes.
struct WebGame {
  // `recorded`: the game is recorded as it goes, to be handed to the page when it ends.
  WebGame(SDL_Window* window, bool recorded)
      : system(window),
        recorder(recorded ? std::make_unique<recording::DemoRecorder>(system.platform, script, Heading()) : nullptr),
        game(recorder ? recorder->platform() : system.platform),
        events(game, recorder.get()),
        loop(events, system.frame, system.pads, window) {
    system.messages.beforeShowing = [this] { loop.DrawNow(); };
    system.keys.Watch(game);
    if (recorder) recorder->Watch(game);
  }
  // Ends the recording, if any, and hands it to the page, which offers it as a download.
  void FinishRecording() {
    if (!recorder) return;
    recorder->Finish();
    TellPage("recording", script.text());
  }

  static std::string Heading() {
    return std::string("# A game of Skyscrub ") + kVersion +
           ", recorded in the browser\n# Replay it with: skyscrub-trace FILE, or watch it with: Skyscrub --play FILE\n";
  }
  WebPlatform system;
  recording::StringOutput script;
  std::unique_ptr<recording::DemoRecorder> recorder;  // the game takes the system through it
  GameWindow game;
  WindowEvents events;
  WebLoop loop;
};

std::unique_ptr<WebGame> running;
std::unique_ptr<PageWatch> watching;  // instead, when the page opened a recording to watch

// The settings file in the page's memory file system, where the page puts what it stored.
std::string SettingsPath() { return settings::SettingsPath(PageFiles().ProgramFolder()); }

EM_BOOL VisibilityChanged(int, const EmscriptenVisibilityChangeEvent* event, void*) {
  if (running) running->loop.PageHidden(event->hidden != 0);
  if (watching) watching->PageHidden(event->hidden != 0);
  return EM_FALSE;
}

// What the page asks for: `--record` records the game, `--play FILE` watches a recording.
struct PageRequest {
  bool record = false;
  std::optional<std::string> play;
};

PageRequest RequestOf(int argc, char** argv) {
  PageRequest request;
  for (int i = 1; i < argc; ++i) {
    const std::string_view word = argv[i];
    if (word == "--record") request.record = true;
    if (word == "--play" && i + 1 < argc) request.play = argv[++i];
  }
  return request;
}

}  // namespace

// What the page calls.
extern "C" {

// One frame of the page; 0 once the game has ended (it is then gone, its sound stopped).
EMSCRIPTEN_KEEPALIVE int skyscrub_frame() {
  if (watching) {
    if (watching->Frame()) return 1;
    watching.reset();
    TellPage("ended");
    return 0;
  }
  if (!running) return 0;
  if (running->loop.Frame()) return 1;
  running->FinishRecording();
  running.reset();
  TellPage("ended");
  return 0;
}

// A control of the recording being watched, from the page's buttons: 0 pause or resume,
// 1 faster, 2 slower, 3 stop.
EMSCRIPTEN_KEEPALIVE void skyscrub_playback_control(int control) {
  if (watching && control >= 0 && control <= 3) watching->Press(static_cast<recording::Playback::Control>(control));
}

// The main ticks run so far, and the milliseconds of play the main tick's timer has been on, as
// of the last frame: what the benchmark and the tests hold the tick's rhythm to.
EMSCRIPTEN_KEEPALIVE double skyscrub_main_ticks() { return running ? static_cast<double>(running->loop.MainTicks()) : 0; }
EMSCRIPTEN_KEEPALIVE double skyscrub_main_timer_on_ms() {
  return running ? static_cast<double>(running->loop.MainTimerOn()) / 1000.0 : 0;
}

// What testing a display mode answers from now on (0 can be set, 1 needs a restart, 2 not
// possible), for the browser tests of the game's message boxes.
EMSCRIPTEN_KEEPALIVE void skyscrub_display_answers(int answer) {
  if (running) running->system.display.answer = static_cast<ModeTest>(answer);
}

// The touch controls held now, one bit each in the order of input::TouchControl.
EMSCRIPTEN_KEEPALIVE void skyscrub_touch(int held) {
  if (!running) return;
  running->system.touch.Set(input::TouchHeld(static_cast<unsigned>(held)), input::ScreenShown(running->game));
}

// The screen shown, as input::Screen numbers it (-1 once the game has ended): the page shows
// the touch controls only where they act.
EMSCRIPTEN_KEEPALIVE int skyscrub_screen() {
  return running ? static_cast<int>(input::ScreenShown(running->game)) : -1;
}

// The molecules destroyed this game, for the browser tests.
EMSCRIPTEN_KEEPALIVE double skyscrub_gas_destroyed() { return running ? running->game.gasDestroyed : 0; }

// The options form as the options dialog loads it from the settings file.
EMSCRIPTEN_KEEPALIVE const char* skyscrub_options_open() {
  static std::string text;
  text = PageText(OpenForm(settings::ReadWholeFile(SettingsPath())));
  return text.c_str();
}

// "Save" on the options form: what it did (the page then stores the settings file).
EMSCRIPTEN_KEEPALIVE const char* skyscrub_options_save(const char* speedText, int sound, int music) {
  static std::string text;
  settings::OptionsControls controls{speedText, music != 0, sound != 0};
  text = PageText(SaveForm(std::move(controls), SettingsPath()));
  return text.c_str();
}

}  // extern "C"

int main(int argc, char** argv) {
  const PageRequest request = RequestOf(argc, argv);
  // Keys go to the game only while the canvas has the focus, so the options form can be typed in.
  SDL_SetHint(SDL_HINT_EMSCRIPTEN_KEYBOARD_ELEMENT, "#canvas");
  // The page's frames give the browser its turn. SDL is not to yield in the middle of one after
  // drawing: the frame would end a task later (often missing the next display refresh), and
  // the page's calls into the game would find it half-way through a frame.
  SDL_SetHint(SDL_HINT_EMSCRIPTEN_ASYNCIFY, "0");
  IMG_Init(IMG_INIT_PNG);
  if (SDL_Init(SDL_INIT_VIDEO) != 0) {
    std::fprintf(stderr, "Skyscrub: cannot draw on the page: %s\n", SDL_GetError());
    return 1;
  }
  TTF_Init();
  SDL_Window* window = SDL_CreateWindow(nullptr, 0, 0, sdl::kCanvasWidth, sdl::kCanvasHeight, 0);
  if (window == nullptr) {
    std::fprintf(stderr, "Skyscrub: cannot draw on the page: %s\n", SDL_GetError());
    return 1;
  }
  emscripten_set_visibilitychange_callback(nullptr, EM_FALSE, VisibilityChanged);
  if (request.play) {
    watching = std::make_unique<PageWatch>(window, *request.play);
    TellPage("started");
    return 0;
  }
  running = std::make_unique<WebGame>(window, request.record);
  running->events.Deliver({WindowEvent::Kind::Load});
  running->events.Deliver({WindowEvent::Kind::Activate});
  TellPage("started");  // the page runs the frames from now on
  return 0;
}
