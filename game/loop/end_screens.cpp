// The ends of a game: the lose and win screens, and the keyboard watch of the title and end screens.
#include "game/game_window.h"

namespace skyscrub {

void GameWindow::ShowLoseScreen() { EndGame("/components/sound/music3.wav", LoseScreen); }

void GameWindow::ShowWinScreen() { EndGame("/components/sound/music4.wav", WinScreen); }

// Stops the game, plays the end music and covers the scene with the end picture. A pause that
// P entered earlier in the losing tick ends with the game, poll and screen alike, so that it
// cannot lie over the next game.
void GameWindow::EndGame(std::string_view music, Panel& screen) {
  SwitchMusic(music);
  Timer1.Enabled = false;
  Timer2.Enabled = false;
  PauseScreen.Visible = false;
  Timer3.Enabled = true;
  CoverCanvas(screen);
  HideAllGases();
}

void GameWindow::Timer3_Timer() {
  if (KeyHeld(Key::Escape)) {
    UnloadAndEnd();
    return;
  }
  if (KeyHeld(Key::Space) && (LoseScreen.Visible || WinScreen.Visible)) {
    LoseScreen.Visible = false;
    WinScreen.Visible = false;
    Picture2.Visible = true;
    SwitchMusic("/components/sound/music1.mid");
    ResetScene();
  }
}

}  // namespace skyscrub
