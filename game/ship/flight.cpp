// The engine-power bar and the ship's flight: gravity, the ceiling, drag, the ground and the wrap.
#include "game/game_window.h"

namespace skyscrub {

// A drained engine recharges in yellow and is usable again only once the bar passes 120.
void GameWindow::ChargeEngine() {
  if (engineExhausted == kTrue) {
    power.Width = power.Width + 0.8;
    if (power.BackColor != colours::kYellow) power.BackColor = colours::kYellow;
    if (power.Width > 120) {
      engineExhausted = kFalse;
      power.BackColor = colours::kGreen;
    }
  } else if (power.Width < 125) {
    power.Width = power.Width + 1;
  }
}

// Runs for a hidden ship too: it keeps falling and wrapping, but only a visible one hits the ground.
void GameWindow::FlyShip() {
  if (speedY < 2.7) speedY = speedY + gravity;
  player.Top = player.Top + speedY;
  if (player.Top < 48) {  // bounces off the top of the sky
    player.Top = 50;
    speedY = 0.5;
  }
  // Drag works only above a speed of 1, so the ship never stops by itself.
  if (speedX < -1) speedX = speedX + dragX;
  if (speedX > 1) speedX = speedX - dragX;
  player.Left = player.Left + speedX;
  if (player.Top > 550 && player.Visible) DestroyShip();
  if (player.Left > 800) player.Left = -player.Width;
  if (player.Left < -player.Width) player.Left = 800;
}

}  // namespace skyscrub
