// The keyboard step of the main tick: quit, thrust, fire, steer and pause.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::HandleKeys() {}

}  // namespace skyscrub
