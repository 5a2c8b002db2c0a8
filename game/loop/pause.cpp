// The pause poll: Space resumes the game, Escape ends the program.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::Timer2_Timer() {
  if (KeyHeld(Key::Escape)) {
    UnloadAndEnd();
    return;
  }
  if (KeyHeld(Key::Space)) {
    PauseScreen.Visible = false;
    Timer1.Enabled = true;
    Timer2.Enabled = false;
  }
}

}  // namespace skyscrub
