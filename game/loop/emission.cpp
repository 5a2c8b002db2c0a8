// The two emitters: CFCs from the factories and CO2/CH4 molecules in the sky.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::EmitCfc() {}

void GameWindow::EmitGas() {}

}  // namespace skyscrub
