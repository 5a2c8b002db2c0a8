#pragma once
// The wait of the game's loop, so the tick benchmark drives the timer schedule exactly as the
// game does (on the loop's own clock, sdl::LoopClockNow): the game's own wait on the display's
// connection, which ends at the due time or when the display sends something.
#include "platform/timer_schedule.h"

namespace skyscrub::bench {

// Starts SDL's video (under the display in DISPLAY) with a window, so waits block on the
// display connection as in the game; without a display, waits are a plain sleep. Returns the mode.
const char* StartLoopWait();
void WaitUntil(TimerSchedule::Micros due);

}  // namespace skyscrub::bench
