// Tick accuracy of the game's timer schedule on the real monotonic clock: for each Interval,
// how many ticks run in 10 s of real time, the largest burst of ticks run back to back in one
// wake-up, the CPU the waiting costs, and how much is caught up after a stall. Then the same
// with a busy game's main tick as the handler, played as it is and recorded into a file as
// Skyscrub --record does, which shows what recording costs the game's rhythm.
// Usage: skyscrub_bench_ticks [seconds per interval] (default 10). Prints one JSON line a run.
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "bench/busy_game.h"
#include "bench/loop_wait.h"
#include "game/scene/elements.h"
#include "platform/sdl/demo_file.h"
#include "platform/sdl/loop_clock.h"
#include "platform/timer_schedule.h"

namespace skyscrub::bench {

namespace {

using Micros = TimerSchedule::Micros;

double CpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

struct RunFigures {
  std::int64_t ticks = 0;
  std::int64_t maxBurst = 0;      // most ticks run in one wake-up
  std::int64_t wakeUps = 0;
  Micros longestOversleep = 0;    // how far past the time asked for the latest wake-up came
  std::int64_t stalls = 0;        // wake-ups more than 4 Intervals late: the machine stalled
  std::int64_t unexplainedBursts = 0;  // more than 4 ticks in a wake-up that was not late
  std::int64_t burstAfterStall = 0;
  Micros longestTick = 0;         // the longest a handler took
};

// Runs one timer at `interval` for `seconds`, the way the game's loop does: every tick that is
// due runs, then the loop waits for the next one. With `stallAt` > 0 the tick at that count
// blocks for one second, as a machine that stalls would. `handler`, when given, runs each tick.
RunFigures Run(std::int32_t interval, double seconds, std::int64_t stallAt, const std::function<void()>& handler = {}) {
  Timer timer{"Timer1", interval, true};
  TimerSchedule schedule({&timer});
  RunFigures figures;
  const Micros start = sdl::LoopClockNow();
  // The window closes half an Interval after the last tick falls due, so that a tick on time
  // is not lost to the cut and a late one is.
  const Micros end = start + static_cast<Micros>(seconds * 1e6) + interval * 500;
  schedule.Observe(start);
  Micros wake = start;  // when the loop asked to be woken
  for (Micros now = start; now < end; now = sdl::LoopClockNow()) {
    const Micros wokeAt = now;
    std::int64_t burst = 0;
    bool stalledNow = false;
    // Late by more than 4 Intervals after the wake-up the loop asked for: the machine stalled.
    const bool late = now - wake > 4 * interval * 1000;
    figures.longestOversleep = std::max(figures.longestOversleep, now - wake);
    if (late) ++figures.stalls;
    while (const auto index = schedule.Due(now)) {
      schedule.Ran(*index);
      if (handler) {
        const Micros before = sdl::LoopClockNow();
        handler();
        figures.longestTick = std::max(figures.longestTick, sdl::LoopClockNow() - before);
      }
      ++figures.ticks;
      ++burst;
      if (figures.ticks == stallAt) {
        std::this_thread::sleep_for(std::chrono::seconds(1));
        stalledNow = true;
        burst = 0;  // from here on: what is caught up
      }
      now = sdl::LoopClockNow();
      if (now >= end) break;
    }
    if (stalledNow) {
      figures.burstAfterStall = burst;
    } else {
      figures.maxBurst = std::max(figures.maxBurst, burst);
      if (burst > 4 && !late) ++figures.unexplainedBursts;
    }
    ++figures.wakeUps;
    if (const auto next = schedule.NextWake(wokeAt)) {
      wake = *next;
      WaitUntil(wake);
    }
  }
  return figures;
}

void ReportAccuracy(std::int32_t interval, double seconds) {
  const double cpuBefore = CpuSeconds();
  const RunFigures f = Run(interval, seconds, 0);
  const double cpu = CpuSeconds() - cpuBefore;
  const double expected = seconds * 1000.0 / interval;
  std::printf(
      "{\"bench\":\"ticks\",\"interval_ms\":%d,\"seconds\":%.1f,\"ticks\":%lld,\"expected\":%.0f,"
      "\"error_pct\":%.3f,\"max_burst\":%lld,\"wake_ups\":%lld,\"longest_oversleep_us\":%lld,\"stalls\":%lld,\"unexplained_bursts\":%lld,\"cpu_pct\":%.2f}\n",
      interval, seconds, static_cast<long long>(f.ticks), expected, 100.0 * (f.ticks - expected) / expected,
      static_cast<long long>(f.maxBurst), static_cast<long long>(f.wakeUps),
      static_cast<long long>(f.longestOversleep), static_cast<long long>(f.stalls),
      static_cast<long long>(f.unexplainedBursts), 100.0 * cpu / seconds);
  std::fflush(stdout);
}

// A one-second stall half way through three seconds: how many ticks then run back to back.
void ReportStall(std::int32_t interval) {
  const RunFigures f = Run(interval, 3.0, 1000 / interval);
  std::printf("{\"bench\":\"stall\",\"interval_ms\":%d,\"stall_ms\":1000,\"catch_up_ticks\":%lld,\"catch_up_ms\":%lld,"
              "\"limit_ms\":%lld}\n",
              interval, static_cast<long long>(f.burstAfterStall),
              static_cast<long long>(f.burstAfterStall * interval),
              static_cast<long long>(TimerSchedule::kMaxCatchUp / 1000));
  std::fflush(stdout);
}

// The busy game's main ticks at `interval`, recorded or not. The game is put back into its busy
// moment every 64 ticks, as the headless benchmark does, so that it stays busy.
void ReportGameTicks(std::int32_t interval, double seconds, bool recorded) {
  const std::string path = "/tmp/skyscrub-bench-recording-" + std::to_string(::getpid()) + ".trace";
  std::string error;
  std::optional<sdl::DemoFile> file = recorded ? sdl::DemoFile::Create(path, error) : std::nullopt;
  BusyGame busy(file ? &*file : nullptr);
  std::int64_t ticks = 0;
  const RunFigures f = Run(interval, seconds, 0, [&] {
    if (++ticks % 64 == 0) busy.Rearm();
    busy.Tick();
  });
  if (recorded) ::unlink(path.c_str());
  const double expected = seconds * 1000.0 / interval;
  std::printf(
      "{\"bench\":\"game_ticks\",\"recorded\":%s,\"interval_ms\":%d,\"seconds\":%.1f,\"ticks\":%lld,"
      "\"expected\":%.0f,\"error_pct\":%.3f,\"max_burst\":%lld,\"unexplained_bursts\":%lld,\"longest_tick_us\":%lld}\n",
      recorded ? "true" : "false", interval, seconds, static_cast<long long>(f.ticks), expected,
      100.0 * (f.ticks - expected) / expected, static_cast<long long>(f.maxBurst),
      static_cast<long long>(f.unexplainedBursts), static_cast<long long>(f.longestTick));
  std::fflush(stdout);
}

}  // namespace

}  // namespace skyscrub::bench

int main(int argc, char** argv) {
  const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
  std::printf("{\"bench\":\"wait\",\"mode\":\"%s\"}\n", skyscrub::bench::StartLoopWait());
  for (const std::int32_t interval : {1, 2, 5, 10, 16, 33, 100}) skyscrub::bench::ReportAccuracy(interval, seconds);
  for (const std::int32_t interval : {1, 10}) skyscrub::bench::ReportStall(interval);
  for (const std::int32_t interval : {1, 10}) {
    for (const bool recorded : {false, true}) skyscrub::bench::ReportGameTicks(interval, seconds, recorded);
  }
  return 0;
}
