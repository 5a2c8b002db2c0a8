// The temperature gauge, drifting towards a target set by the molecules in the air.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::UpdateTemperature() {}

}  // namespace skyscrub
