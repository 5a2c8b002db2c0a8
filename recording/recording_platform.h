#pragma once
// The system as a recorded game sees it: every call goes on to the real platform, and every
// answer the game takes from it (key states, the settings file, the desktop size, mode tests,
// message-box answers, random seeds) is told to the recorder, which writes them as the trace
// script lines that give a replay the same answers.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"

namespace skyscrub::recording {

// What a recording must repeat to a replay.
class RecordedInputs {
 public:
  virtual ~RecordedInputs() = default;
  virtual void KeyRead(Key key, bool held) = 0;
  virtual void FileRead(const std::optional<std::string>& content) = 0;
  virtual void ScreenRead(DisplaySize size) = 0;
  virtual void ModeTested(ModeTest result) = 0;
  virtual void Answered(MessageAnswer answer) = 0;
  virtual void Reseeded(std::uint64_t seed) = 0;
};

class RecordingPlatform final : Keyboard, Display, MessageBoxes, Clock, Files {
 public:
  RecordingPlatform(Platform& system, RecordedInputs& inputs);
  RecordingPlatform(const RecordingPlatform&) = delete;
  RecordingPlatform& operator=(const RecordingPlatform&) = delete;

  Platform& platform() { return platform_; }

 private:
  std::int16_t GetKeyState(Key key) override;
  DisplaySize CurrentSize() override;
  ModeTest TestMode(std::int32_t width, std::int32_t height) override;
  void ApplyMode(std::int32_t width, std::int32_t height) override { system_.display.ApplyMode(width, height); }
  void RequestRestart() override { system_.display.RequestRestart(); }
  MessageAnswer Show(std::string_view title, std::string_view text, MessageButtons buttons) override;
  std::uint64_t RandomSeed() override;
  std::string ProgramFolder() override { return system_.files.ProgramFolder(); }
  std::optional<std::string> ReadTextFile(const std::string& path) override;

  Platform& system_;
  RecordedInputs& inputs_;
  Platform platform_;
};

}  // namespace skyscrub::recording
