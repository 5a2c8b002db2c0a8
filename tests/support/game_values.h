#pragma once
// Every game variable by name ("gasCount", "uvStepY(2)"), for comparing whole game states.
// The names and values come from skyscrub-trace's name table, so a variable added there is
// compared here too.
#include <map>
#include <string>

#include "game/game_window.h"
#include "recording/name_table.h"

namespace skyscrub {

inline std::map<std::string, double> GameVariableValues(const GameWindow& game) {
  // Reading a value changes nothing; the table's readers take the window as it is given to them.
  GameWindow& window = const_cast<GameWindow&>(game);
  std::map<std::string, double> values;
  for (const recording::NamedValue& named : recording::NameTable::Get().All()) {
    if (named.name.find('.') != std::string::npos) continue;  // an element or timer property
    const std::string json = named.read(window);
    // Booleans print as true and false; they hold -1 and 0.
    values[named.name] = json == "true" ? -1 : json == "false" ? 0 : std::stod(json);
  }
  return values;
}

}  // namespace skyscrub
