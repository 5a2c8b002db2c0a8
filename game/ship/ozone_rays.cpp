// The ozone row and the ultraviolet rays that fall on it, bounce off it and strike the ship.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::SpawnRay(std::int16_t, bool) {}

void GameWindow::MoveUltraviolet() {}

void GameWindow::CheckOzoneBlock(std::int16_t&) {}

void GameWindow::CheckUvHits() {}

void GameWindow::DamageOzone(Picture&) {}

}  // namespace skyscrub
