// A fresh game: the emission schedule, the starting molecules, the HUD, the ozone row, the rays and the ship.
#include <array>

#include "game/game_window.h"
#include "game/loop/difficulty_schedule.h"
#include "game/loop/sky_placement.h"

namespace skyscrub {

void GameWindow::StartNewGame() {
  ResetSpawnTimers();
  quotaReached = kFalse;
  cfcDrift.fill(0);
  StartLevel();
  PrepareCfcs();
  SeedStartingGas();

  player.Visible = true;
  soundHold = 0;
  canFire = kTrue;
  reloadTicks = -1;  // the first shot may leave at once
  Randomize();
  player.TakePicture(shipRight);

  const std::array<Element*, 8> hud{&Label3, &Temp0, &Temp1, &Temp3, &Label1, &Label2, &PowerBottom, &power};
  for (Element* shown : hud) shown->Visible = true;

  // 25 cells of 32 pixels cover the whole width without gaps.
  for (std::int16_t k = 0; k < static_cast<std::int16_t>(Ozone.size()); ++k) {
    Ozone[k].Top = 30;
    Ozone[k].Left = 32 * k;
    Ozone[k].Visible = true;
  }
  for (std::int16_t k = 0; k < static_cast<std::int16_t>(UltraViolet.size()); ++k) SpawnRay(k, true);

  engineExhausted = kFalse;
  power.BackColor = colours::kGreen;
  player.Top = 600 / 2 - player.Height - 100;
  player.Left = 800 / 2 - player.Width;
  speedY = -2.5;  // an upward kick
  speedX = 0;
  gravity = 0.08;
  dragX = 0.02;
  gameOverPending = kFalse;
  gameOverTimer = 0;
  Timer1.Enabled = true;
}

void GameWindow::ResetSpawnTimers() {
  ApplyDifficulty(kDifficultySchedule.front(), *this);
  cfcTimer = 0;
  gasTimer = 0;
}

void GameWindow::StartLevel() {
  SwitchMusic("/components/sound/music2.mid");
  gasDestroyed = 0;
  lastGasIndex = 19;
}

void GameWindow::PrepareCfcs() {
  for (Picture& cfc : CFC) {
    cfc.TakePicture(picCFC);
    cfc.Width = 32;
    cfc.Height = 32;
  }
}

// Nine full-size molecules; the reset left CO2 pictures in these slots.
void GameWindow::SeedStartingGas() {
  Randomize();
  for (int i = 0; i <= 8; ++i) {
    gasGrowing[i] = 1;
    CO2[i].Visible = true;
    CO2[i].Width = 32;
    CO2[i].Height = 32;
    PlaceInSky(*this, CO2[i]);
  }
  gasCount = 9;
}

}  // namespace skyscrub
