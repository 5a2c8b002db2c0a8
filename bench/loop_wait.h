#pragma once
// The clock and the wait of the game's loop, as the tick benchmark drives the timer schedule:
// the performance counter in microseconds, and a sleep in whole milliseconds until a tick is due.
#include "platform/sdl/timer_schedule.h"

namespace skyscrub::bench {

sdl::TimerSchedule::Micros NowMicros();
void WaitUntil(sdl::TimerSchedule::Micros due);

}  // namespace skyscrub::bench
