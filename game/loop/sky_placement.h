#pragma once
#include "game/game_window.h"

namespace skyscrub {

// A CO2/CH4 molecule appears at a random place in the sky, never lower than Top 515.
inline void PlaceInSky(GameWindow& game, Picture& gas) {
  gas.Left = game.Rnd() * 770;
  gas.Top = game.Rnd() * 500 + 51;
  if (gas.Top > 515) gas.Top = 515;
}

}  // namespace skyscrub
