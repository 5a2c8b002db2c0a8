#pragma once
// A game on the scripted platform recorded as the desktop game records one: with a heading, so
// the recording opens with the format line, to `out`, on the clock given.
#include <string>
#include <utility>

#include "game/game_window.h"
#include "game/window_events.h"
#include "platform/script/scripted_platform.h"
#include "recording/demo_recorder.h"

namespace skyscrub {

struct RecordedGame {
  static constexpr const char* kHeading = "# A game recorded by a test\n";

  explicit RecordedGame(recording::ScriptOutput& out,
                        recording::DemoRecorder::Clock clock = recording::DemoRecorder::RealTime)
      : recorder(system.platform(), out, kHeading, std::move(clock)), game(recorder.platform()) {
    recorder.Watch(game);
    system.settingsContent = std::string("10\r\n0\r\n0\r\n");
  }

  // The window opens on the title screen.
  void Load() {
    events.Deliver({WindowEvent::Kind::Load});
    events.Deliver({WindowEvent::Kind::Activate});
  }
  void Move(std::string_view name) { OnElement(WindowEvent::Kind::MouseMove, name); }
  void Click(std::string_view name) { OnElement(WindowEvent::Kind::Click, name); }
  void OnElement(WindowEvent::Kind kind, std::string_view name) {
    events.Deliver({kind, static_cast<std::uint8_t>(ElementEventsNamed(name).value())});
  }

  ScriptedPlatform system;
  recording::DemoRecorder recorder;
  GameWindow game;
  WindowEvents events{game, &recorder};
};

}  // namespace skyscrub
