#include "platform/timer_schedule.h"

#include <algorithm>

namespace skyscrub {

namespace {

constexpr TimerSchedule::Micros kMicrosPerMilli = 1000;

}  // namespace

// A timer with a zero or negative Interval raises no events, as on the original toolkit.
bool TimerSchedule::Runs(const Timer& timer) { return timer.Enabled && timer.Interval > 0; }

TimerSchedule::TimerSchedule(std::vector<const Timer*> timers) {
  slots_.reserve(timers.size());
  for (const Timer* timer : timers) slots_.push_back(Slot{timer});
}

void TimerSchedule::Observe(Micros now) {
  for (Slot& slot : slots_) {
    const bool runs = Runs(*slot.timer);
    if (runs && (!slot.running || slot.interval != slot.timer->Interval)) {
      slot.interval = slot.timer->Interval;
      slot.due = now + slot.interval * kMicrosPerMilli;
    }
    slot.running = runs;
  }
}

void TimerSchedule::Observe(Micros now, Loop& loop) {
  Observe(now);
  loop.Observed(now);
}

std::uint64_t TimerSchedule::RunDue(Micros from, Micros until, Loop& loop) {
  Observe(from, loop);
  std::uint64_t delivered = 0;
  for (auto next = NextDue(); next && *next <= until; next = NextDue()) {
    // One is due: a stall's dropped ticks leave the latest of them due.
    const std::size_t index = *Due(std::max(*next, from));
    const Micros dueAt = slots_[index].due;
    Ran(index);
    if (!loop.Deliver(index)) break;
    ++delivered;
    Observe(loop.Happened(dueAt), loop);
  }
  return delivered;
}

std::optional<std::size_t> TimerSchedule::Due(Micros now) {
  std::optional<std::size_t> earliest;
  for (std::size_t i = 0; i < slots_.size(); ++i) {
    Slot& slot = slots_[i];
    if (!slot.running) continue;
    const Micros period = slot.interval * kMicrosPerMilli;
    // Keep at most kMaxCatchUp worth of ticks still owed; the rest of a stall is dropped.
    slot.due = std::max(slot.due, now - std::max<Micros>(kMaxCatchUp - period, 0));
    if (slot.due > now) continue;
    if (!earliest || slot.due < slots_[*earliest].due) earliest = i;
  }
  return earliest;
}

void TimerSchedule::Ran(std::size_t index) {
  Slot& slot = slots_[index];
  slot.due += slot.interval * kMicrosPerMilli;
}

std::optional<TimerSchedule::Micros> TimerSchedule::NextDue() const {
  std::optional<Micros> next;
  for (const Slot& slot : slots_) {
    if (slot.running && (!next || slot.due < *next)) next = slot.due;
  }
  return next;
}

void TimerSchedule::LetNap(const Timer& timer) {
  for (Slot& slot : slots_) {
    if (slot.timer == &timer) slot.naps = true;
  }
}

std::optional<TimerSchedule::Micros> TimerSchedule::NextWake(Micros lastWake) const {
  std::optional<Micros> next;
  for (const Slot& slot : slots_) {
    if (!slot.running) continue;
    const Micros wake = slot.naps ? std::max(slot.due, lastWake + kShortestNap) : slot.due;
    if (!next || wake < *next) next = wake;
  }
  return next;
}

}  // namespace skyscrub
