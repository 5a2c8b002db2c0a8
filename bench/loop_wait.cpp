#include "bench/loop_wait.h"

#include <SDL.h>

#include <chrono>
#include <memory>
#include <thread>

#include "platform/sdl/input_wait.h"
#include "platform/sdl/loop_clock.h"

namespace skyscrub::bench {

namespace {
std::unique_ptr<sdl::InputWait> connection;  // the game's own wait, on a window of the display
}

const char* StartLoopWait() {
  SDL_Window* window = nullptr;
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) == 0) {
    window = SDL_CreateWindow("ticks", 0, 0, 64, 64, SDL_WINDOW_BORDERLESS);
  } else {
    SDL_Init(SDL_INIT_TIMER);
  }
  if (window == nullptr) return "sleep";
  connection = std::make_unique<sdl::InputWait>(window);
  return "display connection";
}

void WaitUntil(TimerSchedule::Micros due) {
  const TimerSchedule::Micros left = due - sdl::LoopClockNow();
  if (left <= 0) return;
  if (!connection) {
    std::this_thread::sleep_for(std::chrono::microseconds(left));
  } else if (connection->WaitForInput(left)) {
    SDL_PumpEvents();  // an event ends the wait early, as in the game, which then runs what is due
  }
}

}  // namespace skyscrub::bench
