#pragma once
// Everything the game takes from the system. The game logic calls only these interfaces:
// SDL2 realises them for the real game (platform/sdl), a scripted fake for tests and the
// trace tool (platform/script).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace skyscrub {

// The keys the game polls, by their virtual-key codes.
enum class Key : std::uint8_t {
  Escape = 27,
  Space = 32,
  Left = 37,
  Up = 38,
  Right = 39,
  P = 80,
  Z = 90,
};

// The bit of a key state that means the key is down at the moment of the query.
constexpr std::int16_t kKeyDownBit = 0x1000;

class Keyboard {
 public:
  virtual ~Keyboard() = default;
  // The key's state now; a held key has the whole high byte set. Nothing is buffered.
  virtual std::int16_t GetKeyState(Key key) = 0;
};

// Wave-file effects on one channel: a new effect cuts off the one playing.
class SoundEffects {
 public:
  virtual ~SoundEffects() = default;
  // interrupt false: play only when nothing else is playing. A missing file is silence.
  virtual void PlaySound(const std::string& path, bool interrupt) = 0;
};

// The background music player: setting a file replaces what plays and starts it at once.
class MusicPlayer {
 public:
  virtual ~MusicPlayer() = default;
  virtual void Play(const std::string& path, int playCount, int volumePercent) = 0;
};

struct DisplaySize {
  std::int32_t width = 0, height = 0;
};

// What testing a display mode answers.
enum class ModeTest : std::int32_t { Successful = 0, Restart = 1, NotPossible = 2 };

class Display {
 public:
  virtual ~Display() = default;
  virtual DisplaySize CurrentSize() = 0;
  // Reports, without changing anything, whether width x height can be set.
  virtual ModeTest TestMode(std::int32_t width, std::int32_t height) = 0;
  // Sets the mode for as long as the program runs; never stored as the desktop's default.
  virtual void ApplyMode(std::int32_t width, std::int32_t height) = 0;
  virtual void RequestRestart() = 0;
};

enum class MessageButtons : std::uint8_t { Ok, YesNo };
enum class MessageAnswer : std::uint8_t { Ok, Yes, No };

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // Modal, no icon; returns once the box is closed.
  virtual MessageAnswer Show(std::string_view title, std::string_view text, MessageButtons buttons) = 0;
};

class Clock {
 public:
  virtual ~Clock() = default;
  // A seed for the random source, taken from the clock at each reseed.
  virtual std::uint64_t RandomSeed() = 0;
};

class Window {
 public:
  virtual ~Window() = default;
  virtual void Place(int left, int top, int width, int height) = 0;
  virtual void MakeTopmost() = 0;
  virtual void Unload() = 0;      // the window closes
  virtual void EndProgram() = 0;  // the program ends once the current handler returns
};

class Files {
 public:
  virtual ~Files() = default;
  // The folder that holds the running program, without a trailing separator.
  virtual std::string ProgramFolder() = 0;
  // The whole content of a text file; nothing when it cannot be read or is larger than
  // settings::kMaxFileBytes (no settings file is that large). The options editor reads the
  // same way, so the game and the editor always see the same settings.
  virtual std::optional<std::string> ReadTextFile(const std::string& path) = 0;
};

// The system as the game sees it.
struct Platform {
  Keyboard& keyboard;
  SoundEffects& sound;
  MusicPlayer& music;
  Display& display;
  MessageBoxes& messages;
  Clock& clock;
  Window& window;
  Files& files;
};

}  // namespace skyscrub
