#include "bench/loop_wait.h"

#include <SDL.h>

#include <chrono>
#include <thread>

namespace skyscrub::bench {

namespace {
bool withVideo = false;
}

const char* StartLoopWait() {
  withVideo = SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER) == 0;
  // SDL blocks on the display connection only while a window is shown; without one it would
  // poll every millisecond, which the game never does.
  withVideo = withVideo && SDL_CreateWindow("ticks", 0, 0, 64, 64, SDL_WINDOW_BORDERLESS) != nullptr;
  if (!withVideo) SDL_Init(SDL_INIT_TIMER);
  return withVideo ? "SDL_WaitEventTimeout" : "SDL_Delay";
}

sdl::TimerSchedule::Micros NowMicros() {
  static const Uint64 frequency = SDL_GetPerformanceFrequency();
  const Uint64 count = SDL_GetPerformanceCounter();
  return static_cast<sdl::TimerSchedule::Micros>(count / frequency * 1'000'000 + count % frequency * 1'000'000 / frequency);
}

void WaitUntil(sdl::TimerSchedule::Micros due) {
  const sdl::TimerSchedule::Micros left = due - NowMicros();
  if (left <= 0) return;
  // As the game: waits under 2 ms are a plain sleep to the due time.
  if (left < 2000) {
    std::this_thread::sleep_for(std::chrono::microseconds(left));
    return;
  }
  const int millis = static_cast<int>((left + 999) / 1000);
  if (withVideo) {
    SDL_Event event;  // an event ends the wait early, as in the game, which then runs what is due
    SDL_WaitEventTimeout(&event, millis);
  } else {
    SDL_Delay(static_cast<Uint32>(millis));
  }
}

}  // namespace skyscrub::bench
