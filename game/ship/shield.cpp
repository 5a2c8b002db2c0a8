// Strikes on the shield and the destruction of the ship.
#include "game/game_window.h"

namespace skyscrub {

// A strike costs 32 of the shield; one on a shield of 35 or less destroys the ship.
void GameWindow::HitShip() {
  if (Shield.Width > 35) {
    Shield.Width = Shield.Width - 32;
  } else {
    DestroyShip();
  }
}

// The ship vanishes in a burst of flame; its shield is full again for the next ship. The hidden
// ship keeps flying until the burst has faded and a life is taken.
void GameWindow::DestroyShip() {
  player.Visible = false;
  PlaySoundFile("die1.wav", true);
  soundHold = 1;
  dying.Visible = true;
  dying.Left = player.Left - 8;
  dying.Top = player.Top - 4;
  dying.Width = 48;
  dying.Height = 48;
  Shield.Width = 125;
}

}  // namespace skyscrub
