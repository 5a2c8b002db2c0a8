#include "tools/trace/timer_clock.h"

namespace skyscrub::trace {

void TimerClock::Follow() {
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    const Timer& timer = *timers_[i];
    Schedule& s = schedules_[i];
    // A period of 0 ms or less never falls due.
    const bool runs = timer.Enabled && timer.Interval > 0;
    if (runs && (!s.armed || s.interval != timer.Interval)) s.due = now_ + timer.Interval;
    s.armed = runs;
    s.interval = timer.Interval;
  }
}

Timer* TimerClock::NextDue(std::int64_t until) {
  Follow();
  std::size_t next = timers_.size();
  for (std::size_t i = 0; i < timers_.size(); ++i) {
    if (schedules_[i].armed && schedules_[i].due <= until && (next == timers_.size() || schedules_[i].due < schedules_[next].due)) {
      next = i;
    }
  }
  if (next == timers_.size()) return nullptr;
  Schedule& s = schedules_[next];
  now_ = s.due;
  s.due += s.interval;
  return timers_[next];
}

}  // namespace skyscrub::trace
