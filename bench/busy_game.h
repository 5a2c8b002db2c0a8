#pragma once
// A game in full swing on the scripted platform: 20 molecules in the sky, 3 CFCs rising,
// 7 bullets in flight and 3 bursts fading, with the fire key held. Rearm() puts it back into
// exactly that moment, so every measured run of ticks does the same busy work.
#include <cstdint>
#include <memory>

#include "bench/scene_snapshot.h"
#include "game/game_window.h"
#include "game/window_events.h"
#include "platform/script/scripted_platform.h"
#include "recording/demo_recorder.h"

namespace skyscrub::bench {

// The game as the player first sees it: loaded and activated, on the title screen, with a
// 10 ms tick and sound and music on; recorded into `record` when given, as --record does.
class TitleGame {
 public:
  explicit TitleGame(recording::ScriptOutput* record = nullptr);
  GameWindow& game() { return game_; }
  // Delivers one main tick, as the game's loop does.
  void Tick() { events_.Deliver(kMainTick); }

 protected:
  // Delivers a Click of the element named `name`.
  void Click(std::string_view name);

  ScriptedPlatform system_;
  std::unique_ptr<recording::DemoRecorder> recorder_;
  GameWindow game_;
  WindowEvents events_{game_, recorder_.get()};
};

class BusyGame : public TitleGame {
 public:
  explicit BusyGame(recording::ScriptOutput* record = nullptr);

  void Rearm();
  // Molecules, CFCs, bullets and bursts still visible: how busy the game still is.
  std::int32_t VisibleSprites() const;

 private:
  void FillSky();

  std::unique_ptr<SceneSnapshot> busy_;
};

}  // namespace skyscrub::bench
