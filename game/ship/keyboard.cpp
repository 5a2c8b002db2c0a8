// The keyboard step of the main tick: quit, thrust, fire, steer and pause.
#include "game/game_window.h"

namespace skyscrub {

namespace {

// A sideways push of 0.35 per tick in `direction` (-1 left, +1 right) while the speed that
// way is below 5. The ship turns only once its speed is zero or already goes that way.
void Steer(double& speedX, double direction, Picture& ship, const Picture& facing) {
  if (speedX * direction < 5) speedX = speedX + 0.35 * direction;
  if (speedX * direction >= 0 && !ship.Shows(facing)) ship.TakePicture(facing);
}

}  // namespace

void GameWindow::HandleKeys() {
  if (KeyHeld(Key::Escape)) {
    Timer1.Enabled = false;
    UnloadAndEnd();
    return;
  }
  if (player.Visible) {
    if (KeyHeld(Key::Up) && engineExhausted == kFalse) {
      if (player.Top > 54 && speedY > -5) speedY = speedY - 0.2;
      // Up burns power even where the ceiling refuses the thrust.
      power.Width = power.Width - 2;
      if (power.Width < 2) engineExhausted = kTrue;
    }
    // The shot comes before the turns: a shot fired while turning leaves the old way.
    if (KeyHeld(Key::Z)) FireBullet();
    if (KeyHeld(Key::Left)) Steer(speedX, -1, player, ShipLeft);
    if (KeyHeld(Key::Right)) Steer(speedX, 1, player, shipRight);
  }
  // Only a running game pauses: one won earlier in this tick goes straight to its end screen.
  if (KeyHeld(Key::P) && Timer1.Enabled) {
    PauseScreen.Visible = true;
    Timer2.Enabled = true;
    Timer1.Enabled = false;
  }
}

}  // namespace skyscrub
