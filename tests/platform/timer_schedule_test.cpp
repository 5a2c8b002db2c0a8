// The timers' rhythm against a made-up clock: one tick per Interval however the loop wakes,
// handlers that switch timers, and the limit on catching up after a stall.
#include "platform/timer_schedule.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

namespace skyscrub {
namespace {

using Micros = TimerSchedule::Micros;
constexpr Micros kMs = 1000;

// Runs every tick due at `now`, as the game loop does; `onTick` plays the handler.
int RunDue(TimerSchedule& schedule, Micros now, const std::function<void(std::size_t)>& onTick = {}) {
  int ticks = 0;
  while (const auto due = schedule.Due(now)) {
    schedule.Ran(*due);
    if (onTick) onTick(*due);
    schedule.Observe(now);
    ++ticks;
  }
  return ticks;
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
