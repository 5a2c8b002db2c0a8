#pragma once
// The clock the game's loop runs its timers on: SDL's performance counter, in microseconds.
#include "platform/timer_schedule.h"

namespace skyscrub::sdl {

TimerSchedule::Micros LoopClockNow();

}  // namespace skyscrub::sdl
