// The ozone row and the ultraviolet rays that fall on it, bounce off it and strike the ship.
#include "game/game_window.h"
#include "game/state/numbers.h"

namespace skyscrub {

// A ray somewhere above the sky, falling, drifting left or right at 0.2 to 3.2 pixels per tick.
void GameWindow::SpawnRay(std::int16_t i, bool show) {
  Picture& ray = UltraViolet[i];
  ray.Left = Rnd() * 880 - 40;
  ray.Top = Rnd() * 50 - 80;
  if (show) ray.Visible = true;
  uvStepY[i] = 3;
  if (RoundHalfEven(Rnd()) == 1) {
    uvStepX[i] = Rnd() * 3 + 0.2;
  } else {
    uvStepX[i] = -0.2 - Rnd() * 3;
  }
}

void GameWindow::MoveUltraviolet() {
  for (uvIndex = 0; uvIndex <= 2; uvIndex = uvIndex + 1) {
    Picture& ray = UltraViolet[uvIndex];
    ray.Top = ray.Top + uvStepY[uvIndex];
    ray.Left = ray.Left + uvStepX[uvIndex];
    if (ray.Left < -ray.Width) ray.Left = 800 - ray.Width;
    if (ray.Left > 800 + ray.Width) ray.Left = -ray.Width;
    if (ray.Top <= -100) SpawnRay(uvIndex, false);  // turned back and gone through the top
    if (ray.Top >= 21 && ray.Top < 26 && uvStepY[uvIndex] > 0) CheckOzoneBlock(uvIndex);
    if (ray.Top > 600 - ray.Height - 20) SpawnRay(uvIndex, true);  // reached the ground
  }
}

// An intact cell under the ray's left edge (before this tick's drift) turns it back; outside
// the row's 25 columns the ozone counts as intact.
void GameWindow::CheckOzoneBlock(std::int16_t& i) {
  const double column = Int((UltraViolet[i].Left - uvStepX[i]) / 32);
  if (column < 0 || column > 24 || Ozone[static_cast<int>(column)].Visible) uvStepY[i] = -uvStepY[i];
}

void GameWindow::CheckUvHits() {
  for (Picture& ray : UltraViolet) {
    const Picture& ship = player;  // struck even while hidden and burning
    const bool level = ray.Top < ship.Top + ship.Height - 8 && ray.Top > ship.Top - 18 && ray.Visible;
    if (!level || !(ray.Left < ship.Left + ship.Width + 4 && ray.Left > ship.Left - (ray.Width + 4))) continue;
    ray.Visible = false;
    HitShip();
    StartBurst(PicPx1, ship.Left, ship.Top);
  }
}

// A CFC near the top eats the lowest intact ozone cell within its reach and vanishes with it.
void GameWindow::DamageOzone(Picture& C) {
  if (!(C.Top < 40)) return;
  for (Picture& cell : Ozone) {
    if (!cell.Visible || C.Left < cell.Left - 20 || C.Left > cell.Left + 40) continue;
    cell.Visible = false;
    C.Visible = false;
    StartBurst(PicGx1, cell.Left, cell.Top);
    return;
  }
}

}  // namespace skyscrub
