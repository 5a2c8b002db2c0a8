// Losing a life: a new ship in the middle of the sky, or the countdown to the lose screen.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::LoseLife() {}

}  // namespace skyscrub
