#pragma once
// How long a timer has been switched on, on the clock its ticks run on: the measure its tick
// count is held to (one tick per Interval of it), whatever stopped the timer in between.
#include <cstdint>

namespace skyscrub::web {

class RunningTime {
 public:
  using Micros = std::int64_t;

  // The timer is (still, or no longer) running at `now`; only a change is taken note of.
  void Note(bool running, Micros now);
  // The time it has run, up to `now`.
  Micros Total(Micros now) const;

 private:
  bool running_ = false;
  Micros since_ = 0;  // when it was last switched on
  Micros total_ = 0;  // before since_
};

}  // namespace skyscrub::web
