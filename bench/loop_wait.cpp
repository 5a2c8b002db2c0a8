#include "bench/loop_wait.h"

#include <SDL.h>

namespace skyscrub::bench {

sdl::TimerSchedule::Micros NowMicros() {
  static const Uint64 frequency = SDL_GetPerformanceFrequency();
  const Uint64 count = SDL_GetPerformanceCounter();
  return static_cast<sdl::TimerSchedule::Micros>(count / frequency * 1'000'000 + count % frequency * 1'000'000 / frequency);
}

void WaitUntil(sdl::TimerSchedule::Micros due) {
  const sdl::TimerSchedule::Micros left = due - NowMicros();
  if (left > 0) SDL_Delay(static_cast<Uint32>((left + 999) / 1000));
}

}  // namespace skyscrub::bench
