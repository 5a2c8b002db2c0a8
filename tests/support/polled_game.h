#pragma once
// A game on the scripted platform whose keys come from a key-state query of the test's own (the
// keyboard joined with a gamepad's or a touch screen's controls), and the screens to put it on.
#include "game/game_window.h"
#include "platform/script/scripted_platform.h"

namespace skyscrub::polled {

// The scripted platform with `keys` for its keyboard.
inline Platform WithKeys(ScriptedPlatform& system, Keyboard& keys) {
  const Platform& p = system.platform();
  return Platform{keys, p.sound, p.music, p.display, p.messages, p.clock, p.window, p.files};
}

// Loads and activates the game as the program does, with neither sound nor music.
inline void Start(ScriptedPlatform& system, GameWindow& game) {
  system.settingsContent = "10\r\n0\r\n0\r\n";
  system.SetSeed(1);
  game.Form_Load();
  game.Form_Activate();
}

// The key polls of the pause and of the title and end screens, where they run.
inline void Poll(GameWindow& g) {
  if (g.Timer2.Enabled) g.Timer2_Timer();
  if (g.Timer3.Enabled) g.Timer3_Timer();
}

// ---- The screens, each reached from the title ----
inline void Title(GameWindow&) {}
inline void Instructions(GameWindow& g) { g.Label7_Click(); }
inline void Playing(GameWindow& g) {
  g.Label7_Click();
  g.Label9_Click();
}
inline void Paused(GameWindow& g) {
  Playing(g);
  g.PauseScreen.Visible = true;  // as P leaves it
  g.Timer2.Enabled = true;
  g.Timer1.Enabled = false;
}
inline void Lost(GameWindow& g) {
  Playing(g);
  g.ShowLoseScreen();
}
inline void Won(GameWindow& g) {
  Playing(g);
  g.ShowWinScreen();
}

}  // namespace skyscrub::polled
