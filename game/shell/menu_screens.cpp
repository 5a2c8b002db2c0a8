// The title and instruction screens: "Play", "Quit" and "Start", red under the mouse.
#include "game/game_window.h"

namespace skyscrub {

namespace {

// Writes the colour only when it differs, so a resting mouse repaints nothing.
void Highlight(Label& label, bool on) {
  const Colour colour = on ? colours::kRed : colours::kWhite;
  if (label.ForeColor != colour) label.ForeColor = colour;
}

}  // namespace

// The full-screen panels are moved over the whole canvas when they are shown.
void CoverCanvas(Panel& screen) {
  screen.Width = 800;
  screen.Height = 600;
  screen.Left = 0;
  screen.Top = 0;
  screen.Visible = true;
}

void GameWindow::Label7_Click() {
  hotlbl.Visible = false;
  CoverCanvas(Control_Screen);
  Picture2.Visible = false;
}

void GameWindow::Label8_Click() { UnloadAndEnd(); }

void GameWindow::Label9_Click() {
  Timer3.Enabled = false;
  Picture2.Visible = false;
  soundHold = 0;
  ResetScene();
  StartNewGame();
  Control_Screen.Visible = false;
}

void GameWindow::Label7_MouseMove() {
  Highlight(Label7, true);
  Highlight(Label8, false);
}

void GameWindow::Label8_MouseMove() {
  Highlight(Label7, false);
  Highlight(Label8, true);
}

void GameWindow::Picture2_MouseMove() {
  Highlight(Label7, false);
  Highlight(Label8, false);
}

void GameWindow::Label9_MouseMove() { Highlight(Label9, true); }

void GameWindow::Control_Screen_MouseMove() { Highlight(Label9, false); }

}  // namespace skyscrub
