// The timers' rhythm against a made-up clock: one tick per Interval however the loop wakes,
// handlers that switch timers, and the limit on catching up after a stall.
#include "platform/timer_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <limits>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace skyscrub {
namespace {

using Micros = TimerSchedule::Micros;
constexpr Micros kMs = 1000;

// A loop on a made-up clock that stands at `now`: `onTick` plays the handler, the game takes
// the first `takes` ticks offered, and a tick happens when the loop ran it or when it fell due.
struct MadeUpLoop final : TimerSchedule::Loop {
  enum class Dating { WhenRun, WhenDue };
  MadeUpLoop(Micros now, Dating dating, std::function<void(std::size_t)> onTick = {})
      : now(now), dating(dating), onTick(std::move(onTick)) {}

  bool Deliver(std::size_t index) override {
    ++offered;
    if (ticks.size() == takes) return false;
    ticks.emplace_back(index, 0);
    if (onTick) onTick(index);
    return true;
  }
  Micros Happened(Micros due) override {
    ticks.back().second = due;
    return dating == Dating::WhenRun ? now : due;
  }
  void Observed(Micros at) override { looks.push_back(at); }

  Micros now;
  Dating dating;
  std::function<void(std::size_t)> onTick;
  std::size_t takes = std::numeric_limits<std::size_t>::max();
  std::size_t offered = 0;
  std::vector<std::pair<std::size_t, Micros>> ticks;  // each timer's tick taken, with when it fell due
  std::vector<Micros> looks;                          // when the timers were looked at
};

// Runs every tick due at `now`, as the desktop loop does; `onTick` plays the handler.
int RunDue(TimerSchedule& schedule, Micros now, const std::function<void(std::size_t)>& onTick = {}) {
  MadeUpLoop loop(now, MadeUpLoop::Dating::WhenRun, onTick);
  return static_cast<int>(schedule.RunDue(now, now, loop));
}

// One enabled timer with its schedule, started at time 0.
struct OneTimer {
  explicit OneTimer(std::int32_t interval) : timer{"Timer1", interval, true}, schedule({&timer}) { schedule.Observe(0); }
  Timer timer;
  TimerSchedule schedule;
};

enum class Waking { AtEachDueTime, AsAKeyPollNaps, EveryFrame, Irregularly };

struct RhythmCase {
  std::int32_t interval;
  Waking waking;
};

class TimerRhythm : public ::testing::TestWithParam<RhythmCase> {};

TEST_P(TimerRhythm, TenSecondsGiveOneTickPerInterval) {
  const auto [interval, waking] = GetParam();
  OneTimer one(interval);
  TimerSchedule& schedule = one.schedule;
  if (waking == Waking::AsAKeyPollNaps) schedule.LetNap(one.timer);
  std::mt19937 random(7);
  std::uniform_int_distribution<Micros> gap(300, 7 * kMs);
  constexpr Micros kEnd = 10'000 * kMs;
  int ticks = 0;
  for (Micros now = 0; now < kEnd;) {
    switch (waking) {
      case Waking::AtEachDueTime: now = *schedule.NextDue(); break;
      case Waking::AsAKeyPollNaps: now = *schedule.NextWake(now); break;
      case Waking::EveryFrame: now += 16'667; break;
      case Waking::Irregularly: now += gap(random); break;
    }
    ticks += RunDue(schedule, std::min(now, kEnd));
  }
  EXPECT_EQ(ticks, 10'000 / interval);
}

INSTANTIATE_TEST_SUITE_P(Intervals, TimerRhythm, ::testing::ValuesIn([] {
                           std::vector<RhythmCase> cases;
                           for (std::int32_t interval : {1, 2, 5, 10, 16, 33, 100}) {
                             for (Waking waking : {Waking::AtEachDueTime, Waking::AsAKeyPollNaps, Waking::EveryFrame, Waking::Irregularly}) {
                               cases.push_back({interval, waking});
                             }
                           }
                           return cases;
                         }()));

// Key polls faster than the shortest nap run a few ticks per wake-up, none later than the nap.
TEST(TimerSchedule, KeyPollsNapBetweenWakeUps) {
  constexpr Micros kEnd = 3000 * kMs;
  const struct {
    std::int32_t interval;
    int wakeUps, largestBurst;
  } cases[] = {{1, 375, 8}, {2, 375, 4}, {4, 375, 2}};
  for (const auto& c : cases) {
    OneTimer one(c.interval);
    one.schedule.LetNap(one.timer);
    int wakeUps = 0, ticks = 0, largestBurst = 0;
    for (Micros now = 0; now < kEnd; ++wakeUps) {
      now = *one.schedule.NextWake(now);
      EXPECT_LT(now - *one.schedule.NextDue(), TimerSchedule::kShortestNap) << c.interval << " ms";
      const int burst = RunDue(one.schedule, std::min(now, kEnd));
      ticks += burst;
      largestBurst = std::max(largestBurst, burst);
    }
    EXPECT_EQ(ticks, 3000 / c.interval) << c.interval << " ms";
    EXPECT_EQ(wakeUps, c.wakeUps) << c.interval << " ms";
    EXPECT_EQ(largestBurst, c.largestBurst) << c.interval << " ms";
  }
}

TEST(TimerSchedule, OtherTimersKeepTheirRhythmBesideANappingPoll) {
  Timer tick{"Timer1", 1, true}, poll{"Timer3", 1, true};
  TimerSchedule schedule({&tick, &poll});
  schedule.LetNap(poll);
  schedule.Observe(0);
  EXPECT_EQ(schedule.NextWake(0), 1 * kMs);
  tick.Enabled = false;
  schedule.Observe(0);
  EXPECT_EQ(schedule.NextWake(0), TimerSchedule::kShortestNap);
}

struct StallCase {
  std::int32_t interval;
  int ticksAfterStall;  // a quarter second's worth at most, and at least the one tick due
};

class AfterAStall : public ::testing::TestWithParam<StallCase> {};

TEST_P(AfterAStall, CatchesUpAQuarterSecondAtMost) {
  const auto [interval, expected] = GetParam();
  OneTimer one(interval);
  TimerSchedule& schedule = one.schedule;
  Micros now = 0;
  for (; now < 1'000 * kMs; now += kMs) RunDue(schedule, now);
  now += 3'000 * kMs;  // the machine stalls for three seconds
  EXPECT_EQ(RunDue(schedule, now), expected);
  // ...and the rhythm goes on from there without a further burst.
  int ticks = 0;
  for (const Micros end = now + 10 * interval * kMs; now < end;) ticks += RunDue(schedule, now += kMs);
  EXPECT_EQ(ticks, 10);
}

INSTANTIATE_TEST_SUITE_P(Intervals, AfterAStall,
                         ::testing::Values(StallCase{1, 250}, StallCase{2, 125}, StallCase{10, 25},
                                           StallCase{16, 15}, StallCase{100, 2}, StallCase{250, 1},
                                           StallCase{999, 1}));

TEST(TimerSchedule, HandlersSwitchTimersBetweenTicks) {
  // Timer1 runs three ticks and then hands over to Timer2, as pausing a game does.
  Timer timer1{"Timer1", 10, true}, timer2{"Timer2", 1, false};
  TimerSchedule schedule({&timer1, &timer2});
  schedule.Observe(0);
  std::vector<std::pair<std::size_t, Micros>> log;
  Micros now = 0;
  auto handler = [&](std::size_t index) {
    log.emplace_back(index, now);
    if (index == 0 && log.size() == 3) {
      timer1.Enabled = false;
      timer2.Enabled = true;
    }
  };
  for (; now <= 33 * kMs; now += kMs) RunDue(schedule, now, handler);
  const std::vector<std::pair<std::size_t, Micros>> expected{
      {0, 10 * kMs}, {0, 20 * kMs}, {0, 30 * kMs}, {1, 31 * kMs}, {1, 32 * kMs}, {1, 33 * kMs}};
  EXPECT_EQ(log, expected);
}

TEST(TimerSchedule, DueTicksRunEarliestFirstInTheGivenOrderOnTies) {
  Timer a{"A", 3, true}, b{"B", 2, true};
  TimerSchedule schedule({&a, &b});
  schedule.Observe(0);
  std::vector<std::size_t> order;
  RunDue(schedule, 6 * kMs, [&](std::size_t i) { order.push_back(i); });
  // B at 2, A at 3, B at 4, then A and B both at 6.
  EXPECT_EQ(order, (std::vector<std::size_t>{1, 0, 1, 0, 1}));
}

// A tick's handler starts a timer or gives its own a new Interval; the change counts from
// when the tick happened. Timer A ticks every 10 ms from 0; B (4 ms) is off.
struct SwitchCase {
  const char* what;
  enum class Change { StartB, RetimeATo7 } change;
  MadeUpLoop::Dating dating;
  Micros from, until;
  std::vector<std::pair<std::size_t, Micros>> ticks;  // (timer, due at) in the order run
};

void PrintTo(const SwitchCase& c, std::ostream* out) { *out << c.what; }

class AHandlersSwitch : public ::testing::TestWithParam<SwitchCase> {};

TEST_P(AHandlersSwitch, CountsFromWhenItsTickHappened) {
  const SwitchCase& c = GetParam();
  Timer a{"A", 10, true}, b{"B", 4, false};
  TimerSchedule schedule({&a, &b});
  schedule.Observe(0);
  MadeUpLoop loop(c.until, c.dating, [&](std::size_t index) {
    if (index != 0 || loop.ticks.size() != 1) return;
    if (c.change == SwitchCase::Change::StartB) b.Enabled = true;
    if (c.change == SwitchCase::Change::RetimeATo7) a.Interval = 7;
  });
  EXPECT_EQ(schedule.RunDue(c.from, c.until, loop), c.ticks.size());
  EXPECT_EQ(loop.ticks, c.ticks);
}

constexpr auto kWhenRun = MadeUpLoop::Dating::WhenRun;
constexpr auto kWhenDue = MadeUpLoop::Dating::WhenDue;
using Change = SwitchCase::Change;

INSTANTIATE_TEST_SUITE_P(
    Cases, AHandlersSwitch,
    ::testing::Values(
        // A loop that wakes at 35 ms runs A's three ticks late. Dated when run, B starts at 35.
        SwitchCase{"late, dated when run", Change::StartB, kWhenRun, 35 * kMs, 35 * kMs,
                   {{0, 10 * kMs}, {0, 20 * kMs}, {0, 30 * kMs}}},
        // Dated when due, B started at 10 and its ticks since then run too, on a tie after A.
        SwitchCase{"late, dated when due", Change::StartB, kWhenDue, 35 * kMs, 35 * kMs,
                   {{0, 10 * kMs}, {1, 14 * kMs}, {1, 18 * kMs}, {0, 20 * kMs}, {1, 22 * kMs},
                    {1, 26 * kMs}, {0, 30 * kMs}, {1, 30 * kMs}, {1, 34 * kMs}}},
        // A fake clock stepping from 0 to 35 ms runs each tick on time: the same ticks.
        SwitchCase{"stepping", Change::StartB, kWhenDue, 0, 35 * kMs,
                   {{0, 10 * kMs}, {1, 14 * kMs}, {1, 18 * kMs}, {0, 20 * kMs}, {1, 22 * kMs},
                    {1, 26 * kMs}, {0, 30 * kMs}, {1, 30 * kMs}, {1, 34 * kMs}}},
        SwitchCase{"re-timed late, dated when run", Change::RetimeATo7, kWhenRun, 35 * kMs, 35 * kMs,
                   {{0, 10 * kMs}}},
        SwitchCase{"re-timed late, dated when due", Change::RetimeATo7, kWhenDue, 35 * kMs, 35 * kMs,
                   {{0, 10 * kMs}, {0, 17 * kMs}, {0, 24 * kMs}, {0, 31 * kMs}}},
        // Stepping stops at `until`: nothing due after it runs.
        SwitchCase{"stepping to 20 ms", Change::StartB, kWhenDue, 0, 20 * kMs,
                   {{0, 10 * kMs}, {1, 14 * kMs}, {1, 18 * kMs}, {0, 20 * kMs}}}),
    [](const auto& info) {
      std::string name = info.param.what;
      for (char& ch : name) if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
      return name;
    });

// A fake clock stepping over a long stretch runs every tick at its time: nothing is late, so
// none is dropped, where a loop that wakes only at the end catches up a quarter second.
TEST(TimerSchedule, AFakeClockSteppingOverAStallRunsEveryTick) {
  for (const auto& [from, ticks] : {std::pair<Micros, std::uint64_t>{0, 3000}, {3000 * kMs, 250}}) {
    OneTimer one(1);
    MadeUpLoop loop(3000 * kMs, kWhenDue);
    EXPECT_EQ(one.schedule.RunDue(from, 3000 * kMs, loop), ticks) << "from " << from;
  }
}

// The game refuses a tick once it has ended (or a limit is spent): the run stops there, and
// the timers are looked at once before the run and once after each tick taken.
TEST(TimerSchedule, ARefusedTickEndsTheRun) {
  const struct {
    std::size_t takes, offered;
  } cases[] = {{0, 1}, {3, 4}, {10, 10}, {100, 10}};
  for (const auto& c : cases) {
    OneTimer one(1);
    MadeUpLoop loop(10 * kMs, kWhenRun);
    loop.takes = c.takes;
    const std::uint64_t taken = one.schedule.RunDue(10 * kMs, 10 * kMs, loop);
    EXPECT_EQ(taken, std::min<std::size_t>(c.takes, 10)) << c.takes;
    EXPECT_EQ(loop.offered, c.offered) << c.takes;
    EXPECT_EQ(loop.looks, std::vector<Micros>(taken + 1, 10 * kMs)) << c.takes;
  }
}

TEST(TimerSchedule, ANewIntervalRestartsTheTimer) {
  OneTimer one(10);
  EXPECT_EQ(RunDue(one.schedule, 15 * kMs), 1);
  one.timer.Interval = 50;
  one.schedule.Observe(15 * kMs);
  EXPECT_EQ(one.schedule.NextDue(), 65 * kMs);
}

TEST(TimerSchedule, OffOrZeroIntervalTimersNeverFallDue) {
  Timer off{"Timer2", 1, false}, zero{"Timer1", 0, true};
  TimerSchedule schedule({&off, &zero});
  schedule.Observe(0);
  EXPECT_EQ(schedule.NextDue(), std::nullopt);
  EXPECT_EQ(RunDue(schedule, 5'000 * kMs), 0);
}

}  // namespace
}  // namespace skyscrub
