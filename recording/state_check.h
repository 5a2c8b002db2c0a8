#pragma once
// The checks a recorded game carries: at each, a digest of the whole game state (every value of
// the name table) and the game variables that changed since the check before, so that a replay
// that differs can say which differ and how. A full check states the changed element
// properties as well; they move so much that stating them at every check would make a
// recording many times larger.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "game/game_window.h"

namespace skyscrub::recording {

// Every value of the name table as its JSON text, in the table's order.
std::vector<std::string> StateValues(GameWindow& game);

// A 64-bit digest of all the names and values.
std::uint64_t StateDigest(const std::vector<std::string>& values);

struct StateCheck {
  std::uint64_t tick = 0;  // main ticks delivered since the program started
  std::uint64_t digest = 0;
  bool full = false;       // the element properties are stated too
  std::vector<std::pair<std::size_t, std::string>> changed;  // name-table index, value text
};

// The arguments of a `check` line: TICK DIGEST [full] NAME=VALUE ...
std::string FormatCheck(const StateCheck& check);
// Nothing, with `error` set, when `args` are not such arguments.
std::optional<StateCheck> ParseCheck(std::string_view args, std::string& error);

// The state as a recording knows it: every value as of the last check.
class RecordedState {
 public:
  RecordedState();

  // The check for `values` at `tick`: their digest, and the values that changed since they
  // were last stated (all of them at the first). Those values are then known.
  StateCheck CheckOf(std::vector<std::string> values, std::uint64_t tick, bool full);
  // Takes in the values a check read from a recording.
  void Take(const StateCheck& check);
  // "name is X, recorded Y" for every value of `values` that differs from the one `check`
  // (taken in last) states: the game variables, and with a full check everything.
  std::vector<std::string> Differences(const std::vector<std::string>& values, const StateCheck& check) const;

 private:
  // The values a check of this kind states.
  static std::size_t Stated(bool full);
  std::vector<std::optional<std::string>> known_;
};

}  // namespace skyscrub::recording
