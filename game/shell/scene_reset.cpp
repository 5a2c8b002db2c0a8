// The scene reset that start-up, every new game and every return to the title go through.
#include <string>

#include "game/game_window.h"

namespace skyscrub {

void GameWindow::ResetScene() {
  killbar.Width = 0.3;
  HideAllGases();
  Temp1.Width = 25;
  power.Width = 125;
  Shield.Width = 125;
  for (Picture& shot : bullet) shot.Visible = false;
  for (int i = 0; i < 3; ++i) {
    CFC[i].Visible = false;
    Xplode[i].Visible = false;
  }
  gasCount = 0;
  RestoreSpritePictures();
  lives = 3;
  lblLives.Caption = "Lives: " + std::to_string(lives);
  animTick = 1;
  Form1.Left = 0;
  Form1.Top = 0;
  Form1.Width = 800;
  Form1.Height = 600;
  platform_.window.Place(0, 0, 800, 600);
  Form1.topmost = true;
  platform_.window.MakeTopmost();
}

void GameWindow::RestoreSpritePictures() {
  for (Picture& ray : UltraViolet) ray.TakePicture(picUV);
  for (Picture& cfc : CFC) cfc.TakePicture(picCFC);
  for (Picture& cell : Ozone) cell.TakePicture(pic03);
  for (int i = 0; i <= 13; ++i) CO2[i].TakePicture(picCO2);
  for (int i = 14; i <= 19; ++i) CO2[i].TakePicture(picCH4);
}

void GameWindow::HideAllGases() {
  for (Picture& gas : CO2) gas.Visible = false;
}

}  // namespace skyscrub
