// Losing a life: a new ship in the middle of the sky, or the countdown to the lose screen.
#include <string>

#include "game/game_window.h"

namespace skyscrub {

void GameWindow::LoseLife() {
  // Rays can still strike the hidden ship after the last life; that second burst takes no
  // life that is not there and leaves the running countdown alone.
  if (lives < 1) return;
  lives = lives - 1;
  lblLives.Caption = "Lives: " + std::to_string(lives);
  if (lives < 1) {
    gameOverPending = kTrue;
    gameOverTimer = 1;
    return;
  }
  power.Width = 125;
  power.BackColor = colours::kGreen;
  player.Visible = true;
  engineExhausted = kFalse;
  player.Top = 600 / 2 - player.Height - 100;
  player.Left = 800 / 2 - player.Width;
  speedX = 0;
  speedY = -2.5;
}

}  // namespace skyscrub
