// Strikes on the shield and the destruction of the ship.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::HitShip() {}

void GameWindow::DestroyShip() {}

}  // namespace skyscrub
