// Sound effects, the music switch and the key-state query: the game's side of each.
#include <string>

#include "game/game_window.h"

namespace skyscrub {

void GameWindow::PlaySoundFile(std::string_view name, bool interrupt) {
  if (soundEnabled != 1) return;
  std::string path = platform_.files.ProgramFolder();
  path += "\\components\\sound\\";
  path += name;
  platform_.sound.PlaySound(path, interrupt);
}

void GameWindow::SwitchMusic(std::string_view literal) {
  if (musicEnabled != 1) return;
  WindowsMediaPlayer1.URL = platform_.files.ProgramFolder();
  WindowsMediaPlayer1.URL += literal;
  platform_.music.Play(WindowsMediaPlayer1.URL, WindowsMediaPlayer1.playCount, WindowsMediaPlayer1.volume);
}

bool GameWindow::KeyHeld(Key key) { return (platform_.keyboard.GetKeyState(key) & kKeyDownBit) != 0; }

}  // namespace skyscrub
