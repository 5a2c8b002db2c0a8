// The engine-power bar and the ship's flight: gravity, the ceiling, drag, the ground and the wrap.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::ChargeEngine() {}

void GameWindow::FlyShip() {}

}  // namespace skyscrub
