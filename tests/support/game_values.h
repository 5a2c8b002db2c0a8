#pragma once
// Every game variable by name ("gasCount", "uvStepY(2)"), for comparing whole game states.
#include <map>
#include <string>

#include "game/state/game_variables.h"

namespace skyscrub {

inline std::map<std::string, double> GameVariableValues(const GameVariables& v) {
  std::map<std::string, double> values{
      {"musicEnabled", v.musicEnabled},   {"soundEnabled", v.soundEnabled},
      {"quotaReached", v.quotaReached},   {"gasCount", v.gasCount},
      {"ch4Odds", v.ch4Odds},             {"cfcTimer", v.cfcTimer},
      {"cfcInterval", v.cfcInterval},     {"gasTimer", v.gasTimer},
      {"gasInterval", v.gasInterval},     {"soundHold", v.soundHold},
      {"gameOverPending", v.gameOverPending}, {"gameOverTimer", v.gameOverTimer},
      {"gasDestroyed", v.gasDestroyed},   {"lastGasIndex", v.lastGasIndex},
      {"savedScreenWidth", v.savedScreenWidth}, {"savedScreenHeight", v.savedScreenHeight},
      {"lives", v.lives},                 {"animTick", v.animTick},
      {"reloadTicks", v.reloadTicks},     {"canFire", v.canFire},
      {"dragX", v.dragX},                 {"speedX", v.speedX},
      {"speedY", v.speedY},               {"gravity", v.gravity},
      {"engineExhausted", v.engineExhausted}, {"uvIndex", v.uvIndex},
  };
  const auto add = [&values](const char* name, const auto& array) {
    for (std::size_t i = 0; i < array.size(); ++i) {
      values[std::string(name) + "(" + std::to_string(i) + ")"] = array[i];
    }
  };
  add("cfcDrift", v.cfcDrift);
  add("gasGrowing", v.gasGrowing);
  add("bulletSpeed", v.bulletSpeed);
  add("uvStepY", v.uvStepY);
  add("uvStepX", v.uvStepX);
  return values;
}

}  // namespace skyscrub
