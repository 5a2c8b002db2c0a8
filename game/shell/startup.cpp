// The frame around a game: loading the window, its first activation and its unloading.
#include <string>

#include "game/game_window.h"
#include "settings/settings_file.h"

namespace skyscrub {

void GameWindow::Form_Load() {
  soundHold = 0;
  gameOverTimer = 0;
  ResetScene();

  // Any failure below leaves a 10 ms tick, no title music, and keeps what was already read.
  Timer1.Interval = 10;
  const std::optional<std::string> content =
      platform_.files.ReadTextFile(settings::SettingsPath(platform_.files.ProgramFolder()));
  if (!content) return;
  const settings::Fields fields = settings::ReadFields(*content);
  if (fields.count >= 2) soundEnabled = fields.values[1];
  if (fields.count >= 3) musicEnabled = fields.values[2];
  if (fields.count < 3) return;
  const std::int16_t speed = fields.values[0];
  if (speed <= 0) return;  // not a timer period
  Timer1.Interval = speed;
  SwitchMusic("/components/sound/music1.mid");
}

void GameWindow::Form_Activate() {
  Picture2.Left = 0;
  Picture2.Top = 0;
  Picture2.Width = 800;
  Picture2.Height = 600;
  Picture2.picture = Image8.picture;
  Form1.picture = Image6.picture;
  const DisplaySize size = platform_.display.CurrentSize();
  savedScreenWidth = static_cast<std::int16_t>(size.width);
  savedScreenHeight = static_cast<std::int16_t>(size.height);
  Image3.TakePicture(Image4);
  std::int16_t width = 800;
  std::int16_t height = 600;
  SetDisplayResolution(width, height);
}

void GameWindow::Form_Unload() { SetDisplayResolution(savedScreenWidth, savedScreenHeight); }

void GameWindow::UnloadAndEnd() {
  if (ended_) return;
  ended_ = true;
  Timer1.Enabled = false;
  Timer2.Enabled = false;
  Timer3.Enabled = false;
  Form_Unload();
  platform_.window.Unload();
  platform_.window.EndProgram();
}

}  // namespace skyscrub
