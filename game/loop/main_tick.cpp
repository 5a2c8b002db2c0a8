// The main tick: one step of the whole game, its steps always in this order. A step that
// pauses or ends the game only stops the next tick; the rest of this one still runs.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::Timer1_Timer() {
  cfcTimer = cfcTimer + 1;
  if (cfcTimer > cfcInterval) {
    cfcTimer = 0;
    EmitCfc();
  }
  gasTimer = gasTimer + 1;
  if (gasTimer > gasInterval) {
    gasTimer = 0;
    EmitGas();
  }
  HandleKeys();
  if (Ended()) return;  // Escape: the program has ended, nothing after it runs
  ChargeEngine();
  MoveUltraviolet();
  FlyShip();
  UpdateBullets();
  CheckUvHits();
  DriftCfcs();
  AnimateSprites();
  AdvanceSoundHold();
  if (gameOverPending == kTrue) {
    gameOverTimer = gameOverTimer + 1;
    if (gameOverTimer > 180) {
      gameOverPending = kFalse;
      gameOverTimer = 0;
      ShowLoseScreen();
    }
  }
}

// CFC molecules always rise, drift sideways, wrap at the sides and leave through the top;
// each one still in the sky may eat the ozone row.
void GameWindow::DriftCfcs() {
  for (int i = 0; i < 3; ++i) {
    Picture& C = CFC[i];
    if (!C.Visible) continue;
    C.Top = C.Top - 0.8;
    C.Left = C.Left + cfcDrift[i];
    if (C.Left < -30) C.Left = 798;
    if (C.Left > 798) C.Left = -30;
    if (C.Top < -C.Height) C.Visible = false;
    DamageOzone(C);
  }
}

// A shot cannot cut off an explosion or death sound in the 11 ticks after it started.
void GameWindow::AdvanceSoundHold() {
  if (soundHold > 0) soundHold = soundHold + 1;
  if (soundHold > 12) soundHold = 0;
}

}  // namespace skyscrub
