#pragma once
#include <array>
#include <cstdint>

namespace skyscrub {

// Booleans are stored as 16-bit integers: True is -1 and False is 0.
using Boolean = std::int16_t;
constexpr Boolean kTrue = -1;
constexpr Boolean kFalse = 0;

// The game's variables, as game_variable_list.inc lists them (the checks and dumps of a
// recording name them from the same list). All are zero (and all Booleans False) before
// start-up runs.
struct GameVariables {
#define SKYSCRUB_NUMBER(type, name) type name = 0;
#define SKYSCRUB_BOOLEAN(name) Boolean name = kFalse;
#define SKYSCRUB_ARRAY(type, name, size) std::array<type, size> name{};
#include "game/state/game_variable_list.inc"
#undef SKYSCRUB_NUMBER
#undef SKYSCRUB_BOOLEAN
#undef SKYSCRUB_ARRAY
};

}  // namespace skyscrub
