// Main ticks per second of a busy game, headless, on one core. Each iteration puts the game
// back into the same busy moment (not timed) and then times a run of consecutive ticks.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "bench/busy_game.h"

namespace skyscrub::bench {

namespace {

// Long enough that the sprites really travel and collide, short enough that the sky stays full.
constexpr int kTicksPerRun = 64;

void BM_MainTickBusyGame(benchmark::State& state) {
  BusyGame busy;
  double spritesLeft = 0;
  double runsEnded = 0;
  std::vector<double> runSeconds;
  for (auto _ : state) {
    busy.Rearm();
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < kTicksPerRun; ++i) busy.Tick();
    const auto stop = std::chrono::steady_clock::now();
    const double seconds = std::chrono::duration<double>(stop - start).count();
    state.SetIterationTime(seconds);
    runSeconds.push_back(seconds);
    benchmark::ClobberMemory();
    spritesLeft += busy.VisibleSprites();
    runsEnded += busy.game().Timer1.Enabled ? 0 : 1;
  }
  const double runs = static_cast<double>(state.iterations());
  state.SetItemsProcessed(state.iterations() * kTicksPerRun);
  state.counters["sprites_at_end"] = spritesLeft / runs;
  state.counters["runs_ended"] = runsEnded / runs;
  // The median run is not moved by the runs another process interrupted; the mean is.
  const auto middle = runSeconds.begin() + static_cast<std::ptrdiff_t>(runSeconds.size() / 2);
  std::nth_element(runSeconds.begin(), middle, runSeconds.end());
  state.counters["median_ticks_per_second"] = kTicksPerRun / *middle;
}
BENCHMARK(BM_MainTickBusyGame)->UseManualTime()->MinTime(2.0);

// What putting the game back costs, for reference: excluded from the figure above.
void BM_Rearm(benchmark::State& state) {
  BusyGame busy;
  for (auto _ : state) {
    busy.Rearm();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_Rearm);

}  // namespace

}  // namespace skyscrub::bench

BENCHMARK_MAIN();
