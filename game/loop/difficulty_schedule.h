#pragma once
// The emission schedule over a game: the first row starts every game, each later row applies
// once, when the count of destroyed molecules reaches its count exactly.
#include <array>
#include <cstdint>

#include "game/state/game_variables.h"

namespace skyscrub {

struct DifficultyStep {
  std::int32_t destroyed;    // molecules destroyed when the row applies (0: a new game)
  std::int16_t cfcInterval;  // ticks between CFC releases
  std::int16_t gasInterval;  // ticks between CO2/CH4 releases
  std::int16_t ch4Odds;      // one released molecule in about this many is CH4
};

inline constexpr std::array<DifficultyStep, 10> kDifficultySchedule{{
    {0, 350, 120, 7},
    {20, 310, 120, 6},
    {50, 300, 110, 6},
    {80, 280, 100, 5},
    {110, 260, 90, 5},
    {150, 240, 80, 4},
    {170, 200, 70, 4},
    {190, 170, 65, 3},
    {210, 140, 63, 3},
    {260, 100, 63, 2},
}};

// Destroying this many molecules stops all emissions; the game is won once the sky is clear.
inline constexpr std::int32_t kDestroyedQuota = 300;

inline void ApplyDifficulty(const DifficultyStep& step, GameVariables& game) {
  game.cfcInterval = step.cfcInterval;
  game.gasInterval = step.gasInterval;
  game.ch4Odds = step.ch4Odds;
}

}  // namespace skyscrub
