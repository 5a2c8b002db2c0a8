#pragma once
// The rules that hold after every event of any game, however it is played.
#include <cstdint>
#include <optional>
#include <string>

#include "game/game_window.h"

namespace skyscrub::soak {

// What the soak knows about the game beyond its state.
struct GameContext {
  bool inGame = false;                  // "Start" was clicked since the last return to the title
  std::int16_t largestCfcInterval = 0;  // the largest emission intervals seen so far
  std::int16_t largestGasInterval = 0;
};

// The first rule the game breaks now, described; nothing when all hold.
std::optional<std::string> BrokenInvariant(const GameWindow& game, const GameContext& context);

}  // namespace skyscrub::soak
