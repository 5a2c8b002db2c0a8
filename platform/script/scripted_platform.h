#pragma once
// The scripted platform: the system as tests and the trace tool see it. Keys are held by
// the script, effects are recorded in order, the clock and the random seed are fixed.
#include <cstdint>
#include <deque>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "recording/replay_answers.h"

namespace skyscrub {

// One effect of the game on the system, in the order it happened.
struct Effect {
  enum class Kind : std::uint8_t { Sound, Music, MessageBox, Display, Topmost, Reboot, Unload, End };
  Kind kind;
  std::string text;   // sound or music path, message title
  std::string text2;  // message text
  std::int32_t width = 0, height = 0;

  bool operator==(const Effect&) const = default;
};

// The effect as one JSON line, e.g. {"sound":"xplode2.wav"} or {"display":[800,600]}.
std::string ToJson(const Effect& effect);

// What the script sets (held keys, the settings file, the desktop size, mode tests, answers,
// reseeds) are the answers a replay gives.
class ScriptedPlatform final : public recording::ReplayAnswers,
                               Keyboard, SoundEffects, MusicPlayer, Display, MessageBoxes, Clock, Window, Files {
 public:
  ScriptedPlatform();
  ScriptedPlatform(const ScriptedPlatform&) = delete;
  ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

  Platform& platform() { return platform_; }

  // ---- What the game did ----
  std::vector<Effect> effects;
  bool ended = false;

 private:
  std::int16_t GetKeyState(Key key) override;
  void PlaySound(const std::string& path, bool interrupt) override;
  void Play(const std::string& path, int playCount, int volumePercent) override;
  DisplaySize CurrentSize() override;
  ModeTest TestMode(std::int32_t width, std::int32_t height) override;
  void ApplyMode(std::int32_t width, std::int32_t height) override;
  void RequestRestart() override;
  MessageAnswer Show(std::string_view title, std::string_view text, MessageButtons buttons) override;
  std::uint64_t RandomSeed() override;
  void Place(int left, int top, int width, int height) override;
  void MakeTopmost() override;
  void Unload() override;
  void EndProgram() override;
  std::string ProgramFolder() override;
  std::optional<std::string> ReadTextFile(const std::string& path) override;

  Platform platform_;
};

}  // namespace skyscrub
