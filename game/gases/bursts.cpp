// Bursts: the three shared Xplode slots that shot molecules, struck ships and eaten ozone light up.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::StartBurst(const Picture& frame, float left, float top) {
  for (Picture& burst : Xplode) {
    if (burst.Visible) continue;
    burst.TakePicture(frame);
    burst.Visible = true;
    burst.Width = 32;
    burst.Height = 32;
    burst.Left = left;
    burst.Top = top;
    PlaySoundFile("xplode2.wav", true);
    soundHold = 1;
    return;
  }
}

}  // namespace skyscrub
