#pragma once
// A game in full swing on the scripted platform: 20 molecules in the sky, 3 CFCs rising,
// 7 bullets in flight and 3 bursts fading, with the fire key held. Rearm() puts it back into
// exactly that moment, so every measured run of ticks does the same busy work.
#include <cstdint>
#include <memory>

#include "bench/scene_snapshot.h"
#include "game/game_window.h"
#include "platform/script/scripted_platform.h"

namespace skyscrub::bench {

// The game as the player first sees it: loaded and activated, on the title screen, with a
// 10 ms tick and sound and music on.
class TitleGame {
 public:
  TitleGame();
  GameWindow& game() { return game_; }

 protected:
  ScriptedPlatform system_;
  GameWindow game_{system_.platform()};
};

class BusyGame : public TitleGame {
 public:
  BusyGame();

  void Rearm();
  // Molecules, CFCs, bullets and bursts still visible: how busy the game still is.
  std::int32_t VisibleSprites() const;

 private:
  void FillSky();

  std::unique_ptr<SceneSnapshot> busy_;
};

}  // namespace skyscrub::bench
