#pragma once
// A game window on the scripted platform, loaded and activated as the real program does.
#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "game/game_window.h"
#include "platform/script/scripted_platform.h"

namespace skyscrub {

// Effects print as their JSON lines in test failures.
inline void PrintTo(const Effect& effect, std::ostream* os) { *os << ToJson(effect); }

class GameFixture : public ::testing::Test {
 protected:
  ScriptedPlatform system;
  GameWindow game{system.platform()};

  // Load and activate with the given settings file ("10\r\n1\r\n1\r\n" by default).
  void Start(std::optional<std::string> settings = std::string("10\r\n1\r\n1\r\n")) {
    system.settingsContent = std::move(settings);
    system.SetSeed(1);
    game.Form_Load();
    game.Form_Activate();
    system.effects.clear();
  }

  // Start, then click through "Play" and "Start" into a new game.
  void StartGame() {
    Start();
    game.Label7_Click();
    game.Label9_Click();
    system.effects.clear();
  }

  void Hold(std::initializer_list<Key> keys) { system.held = keys; }
  void ReleaseAll() { system.held.clear(); }

  void Tick(int n = 1) {
    for (int i = 0; i < n && game.Timer1.Enabled; ++i) game.Timer1_Timer();
  }

  // What leaving the game shows the system: the desktop's display mode back, then the end.
  static std::vector<Effect> QuitEffects(DisplaySize desktop) {
    return {{Effect::Kind::Display, {}, {}, desktop.width, desktop.height},
            {Effect::Kind::Unload, {}, {}},
            {Effect::Kind::End, {}, {}}};
  }

  std::vector<Effect> Sounds() const {
    std::vector<Effect> out;
    std::copy_if(system.effects.begin(), system.effects.end(), std::back_inserter(out),
                 [](const Effect& e) { return e.kind == Effect::Kind::Sound; });
    return out;
  }
};

}  // namespace skyscrub
