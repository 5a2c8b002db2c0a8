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

class ScriptedPlatform final : Keyboard, SoundEffects, MusicPlayer, Display, MessageBoxes, Clock, Window, Files {
 public:
  ScriptedPlatform();
  ScriptedPlatform(const ScriptedPlatform&) = delete;
  ScriptedPlatform& operator=(const ScriptedPlatform&) = delete;

  Platform& platform() { return platform_; }

  // ---- What the script sets ----
  std::set<Key> held;                          // keys held from now on
  std::optional<std::string> settingsContent;  // the settings file; nothing: no file
  DisplaySize screen{1024, 768};               // the desktop size reported
  ModeTest modeTest = ModeTest::Successful;    // what testing any mode answers
  std::deque<MessageAnswer> answers;           // answers for the next message boxes
  std::deque<std::uint64_t> reseeds;           // what the next reseeds from the clock get
  void SetSeed(std::uint64_t seed);

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

  std::uint64_t seed_ = 1;
  std::uint64_t reseedCount_ = 0;
  Platform platform_;
};

}  // namespace skyscrub
