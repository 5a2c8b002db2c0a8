#pragma once
// When each of the window's timers is due, against a monotonic clock given in microseconds.
// The one scheduler of the game: the desktop and browser loops drive it with the real clock,
// the trace tool with its fake one, so a script runs the timers exactly as the game does.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "game/scene/elements.h"

namespace skyscrub {

class TimerSchedule {
 public:
  using Micros = std::int64_t;
  // After a stall (a dragged window, a slow machine) no more than this much is caught up.
  static constexpr Micros kMaxCatchUp = 250'000;
  // A key poll's ticks wait until at least this long after the loop last woke to run ticks, so
  // a 1 ms poll wakes the loop an eighth as often (the wake-ups are most of what it costs). No
  // key waits for it: input wakes the loop at once, and the polls then due run. Other timers
  // keep their exact rhythm.
  static constexpr Micros kShortestNap = 8'000;

  // Whether `timer` raises Timer events: enabled, with an Interval above zero.
  static bool Runs(const Timer& timer);

  // `timers` are read again after every event, since handlers enable, disable and re-time them.
  explicit TimerSchedule(std::vector<const Timer*> timers);

  // Marks `timer`, one of the timers given, as a key poll: its ticks may wait for the loop's nap.
  void LetNap(const Timer& timer);

  // Takes note of timers switched on, off or re-timed; a timer (re)started at `now` is first
  // due one Interval later.
  void Observe(Micros now);

  // The timer to run next if one is due at `now`, the earliest first (ties in the given order).
  // Before answering, a timer more than kMaxCatchUp behind drops the ticks beyond that.
  std::optional<std::size_t> Due(Micros now);

  // Records that timer `index` ran its tick; its next tick is one Interval after this one.
  void Ran(std::size_t index);

  // When the next tick of any enabled timer falls due; nothing when every timer is off.
  // A fake clock jumps straight there.
  std::optional<Micros> NextDue() const;
  // When a loop that last woke to run ticks at `lastWake` should next wake for them: when the
  // next tick falls due, but for a key poll no sooner than kShortestNap after `lastWake`.
  std::optional<Micros> NextWake(Micros lastWake) const;

 private:
  struct Slot {
    const Timer* timer;
    bool naps = false;
    bool running = false;
    std::int32_t interval = 0;
    Micros due = 0;
  };
  std::vector<Slot> slots_;
};

}  // namespace skyscrub
