// A fresh game: the emission schedule, the starting molecules, the HUD, the ozone row, the rays and the ship.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::StartNewGame() {}

void GameWindow::ResetSpawnTimers() {}

void GameWindow::StartLevel() {}

void GameWindow::PrepareCfcs() {}

void GameWindow::SeedStartingGas() {}

}  // namespace skyscrub
