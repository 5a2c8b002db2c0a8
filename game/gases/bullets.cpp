// Bullet flight, hits on molecules and CFCs, and the count of destroyed molecules.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::UpdateBullets() {}

void GameWindow::OnGasDestroyed(std::int16_t&) {}

void GameWindow::UpdateKillBar() {}

}  // namespace skyscrub
