#include "platform/sdl/loop_clock.h"

#include <SDL.h>

namespace skyscrub::sdl {

TimerSchedule::Micros LoopClockNow() {
  constexpr Uint64 kMicrosPerSecond = 1'000'000;
  static const Uint64 frequency = SDL_GetPerformanceFrequency();
  const Uint64 count = SDL_GetPerformanceCounter();
  // Whole seconds and the rest apart, so that no product overflows.
  return static_cast<TimerSchedule::Micros>(count / frequency * kMicrosPerSecond +
                                            count % frequency * kMicrosPerSecond / frequency);
}

}  // namespace skyscrub::sdl
