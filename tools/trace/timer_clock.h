#pragma once
// The fake clock behind `run MS`: enabled timers fall due once per Interval, counted from the
// moment they were enabled (or their Interval changed), and are delivered in due-time order.
#include <array>
#include <cstdint>

#include "game/scene/elements.h"

namespace skyscrub::trace {

class TimerClock {
 public:
  // Ties at the same millisecond go to the timer listed first.
  explicit TimerClock(std::array<Timer*, 3> timers) : timers_(timers) {}

  // The timer due next at or before `until` (the clock then stands at its due time and its next
  // event is scheduled), or nullptr when none is due by then.
  Timer* NextDue(std::int64_t until);
  void AdvanceTo(std::int64_t time) { now_ = time; }
  std::int64_t Now() const { return now_; }

 private:
  struct Schedule {
    bool armed = false;
    std::int32_t interval = 0;
    std::int64_t due = 0;
  };
  // Follows what the handlers did to Enabled and Interval since the last look.
  void Follow();

  std::array<Timer*, 3> timers_;
  std::array<Schedule, 3> schedules_{};
  std::int64_t now_ = 0;
};

}  // namespace skyscrub::trace
