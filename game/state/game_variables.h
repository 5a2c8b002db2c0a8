#pragma once
#include <array>
#include <cstdint>

namespace skyscrub {

// Booleans are stored as 16-bit integers: True is -1 and False is 0.
using Boolean = std::int16_t;
constexpr Boolean kTrue = -1;
constexpr Boolean kFalse = 0;

// The game's variables. All are zero (and all Booleans False) before start-up runs.
struct GameVariables {
  std::int16_t musicEnabled = 0;  // 1 = background music on
  std::int16_t soundEnabled = 0;  // 1 = sound effects on
  Boolean quotaReached = kFalse;  // 300 molecules destroyed: no more emissions
  std::int16_t gasCount = 0;      // CO2/CH4 molecules in the air
  std::int16_t ch4Odds = 0;       // one emitted molecule in about ch4Odds is CH4
  std::int16_t cfcTimer = 0;      // ticks since the last CFC emission
  std::int16_t cfcInterval = 0;
  std::int16_t gasTimer = 0;  // ticks since the last CO2/CH4 emission
  std::int16_t gasInterval = 0;
  std::array<double, 3> cfcDrift{};         // horizontal drift of CFC(i), pixels per tick
  std::array<std::int16_t, 20> gasGrowing{};  // 1 while CO2(i) is still growing
  std::int16_t soundHold = 0;               // 0 lets the shot sound play
  Boolean gameOverPending = kFalse;
  std::int16_t gameOverTimer = 0;
  std::int32_t gasDestroyed = 0;  // molecules destroyed this game
  std::int16_t lastGasIndex = 0;  // highest CO2 index the per-molecule loops visit
  std::int16_t savedScreenWidth = 0, savedScreenHeight = 0;
  std::int16_t lives = 0;
  std::int16_t animTick = 0;
  std::int16_t reloadTicks = 0;  // ticks since the last shot, -1 when a shot is allowed
  Boolean canFire = kFalse;
  double dragX = 0;
  double speedX = 0;  // right positive
  double speedY = 0;  // down positive
  double gravity = 0;
  std::array<std::int16_t, 7> bulletSpeed{};
  Boolean engineExhausted = kFalse;
  std::int16_t uvIndex = 0;
  std::array<std::int16_t, 3> uvStepY{};
  std::array<double, 3> uvStepX{};
};

}  // namespace skyscrub
