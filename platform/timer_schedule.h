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

  // A loop's part in running the ticks due (RunDue): what every platform decides for itself.
  class Loop {
   public:
    // Hands timer `index`'s tick to the game. False when the game took none (it has ended, or
    // a limit is spent): the run stops there.
    virtual bool Deliver(std::size_t index) = 0;
    // When the tick just handled, which fell due at `due`, happened: the timers its handler
    // switched on, off or re-timed count from then. A loop that means each tick to happen when
    // it fell due, however late it ran, answers `due`; one that dates it when it ran reads its
    // clock.
    virtual Micros Happened(Micros due) = 0;
    // Told after each look at the timers, which is as of `at`: what a loop measures of them.
    virtual void Observed(Micros /*at*/) {}

   protected:
    ~Loop() = default;
  };

  // Marks `timer`, one of the timers given, as a key poll: its ticks may wait for the loop's nap.
  void LetNap(const Timer& timer);

  // Takes note of timers switched on, off or re-timed; a timer (re)started at `now` is first
  // due one Interval later.
  void Observe(Micros now);
  // The same, and tells `loop`.
  void Observe(Micros now, Loop& loop);

  // Runs every tick due by `until`, earliest first (ties in the given order), through `loop`,
  // on a clock that stands at `from` when the run begins: the timers switched since the last
  // look count from `from`, and a tick runs when it falls due, or at `from` when it fell due
  // before (late, so the catch-up limit applies). A real loop runs the ticks due at the moment
  // it woke (`from` == `until`); a fake clock steps from one tick to the next, so that none is
  // ever late. After each tick the timers are looked at again, as of loop.Happened(). Returns
  // the number of ticks the game took.
  std::uint64_t RunDue(Micros from, Micros until, Loop& loop);

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
