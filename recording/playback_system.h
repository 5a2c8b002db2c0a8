#pragma once
// The system a recording is played back on, in the game's own window: the game hears and sees
// the real thing (its sounds, its music, its window, its program folder), but every question it
// asks (keys, the settings file, the desktop size, mode tests, message boxes, reseeds) is
// answered as the recording says. So the viewer's keys never steer it, no message box stops
// it, and the display's mode is never changed: a mode the game sets is only what it is told.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"
#include "recording/replay_answers.h"
#include "recording/replay_session.h"

namespace skyscrub::recording {

class PlaybackSystem final : public ReplaySystem, Keyboard, Display, MessageBoxes, Clock, Window, Files {
 public:
  explicit PlaybackSystem(Platform& real);
  PlaybackSystem(const PlaybackSystem&) = delete;
  PlaybackSystem& operator=(const PlaybackSystem&) = delete;

  ReplayAnswers& Answers() override { return answers_; }
  Platform& GamePlatform() override { return platform_; }
  bool ProgramEnded() const override { return ended_; }

 private:
  std::int16_t GetKeyState(Key key) override { return answers_.KeyState(key); }
  DisplaySize CurrentSize() override { return answers_.screen; }
  ModeTest TestMode(std::int32_t, std::int32_t) override { return answers_.modeTest; }
  void ApplyMode(std::int32_t width, std::int32_t height) override { answers_.screen = {width, height}; }
  void RequestRestart() override {}
  MessageAnswer Show(std::string_view, std::string_view, MessageButtons buttons) override {
    return answers_.NextAnswer(buttons);
  }
  std::uint64_t RandomSeed() override { return answers_.NextSeed(); }
  void Place(int left, int top, int width, int height) override { real_.window.Place(left, top, width, height); }
  void MakeTopmost() override {}
  void Unload() override { real_.window.Unload(); }
  void EndProgram() override;
  std::string ProgramFolder() override { return real_.files.ProgramFolder(); }
  // The game reads no file but its settings.
  std::optional<std::string> ReadTextFile(const std::string&) override { return answers_.SettingsFile(); }

  Platform& real_;
  ReplayAnswers answers_;
  bool ended_ = false;
  Platform platform_;
};

}  // namespace skyscrub::recording
