// The shot: the lowest free bullet leaves the ship's nose in the direction it faces.
#include "game/game_window.h"
#include "game/scene/free_slot.h"

namespace skyscrub {

void GameWindow::FireBullet() {
  if (!player.Visible || canFire == kFalse) return;
  const bool right = player.Shows(shipRight);
  if (!right && !player.Shows(ShipLeft)) return;
  const std::size_t k = FirstFree(bullet);
  if (k == bullet.size()) return;  // all seven in flight: the gun stays ready
  Picture& shot = bullet[k];
  shot.Visible = true;
  shot.Left = right ? player.Left + 25 : player.Left - 9;
  shot.Top = player.Top + 14;
  bulletSpeed[k] = right ? 10 : -10;
  canFire = kFalse;
  reloadTicks = 0;
  // Never cut off an explosion that has just begun.
  if (soundHold == 0) PlaySoundFile("shoot2.wav", true);
}

}  // namespace skyscrub
