#pragma once
// The clock and the wait of the game's loop, so the tick benchmark drives the timer schedule
// exactly as the game does: the performance counter in microseconds, and a wait for events
// of whole milliseconds, rounded up so as never to wake early, or a plain sleep under 2 ms.
#include "platform/sdl/timer_schedule.h"

namespace skyscrub::bench {

// Starts SDL's video (under the display in DISPLAY) so waits block on the display connection
// as in the game; without a display, waits fall back to SDL's plain sleep. Returns the mode.
const char* StartLoopWait();
sdl::TimerSchedule::Micros NowMicros();
void WaitUntil(sdl::TimerSchedule::Micros due);

}  // namespace skyscrub::bench
