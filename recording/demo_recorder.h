#pragma once
// Records a game as it is played: a trace script that skyscrub-trace replays exactly. Before
// each event it writes what the game took from the system while handling it (the settings
// file, the desktop size, mode tests, message-box answers, reseeds, key states where they
// changed), then the event itself; runs of the same timer's events become one counted line.
// Every kCheckEvery main ticks, and at the end, a check states the whole game state; every
// kFullCheckEvery main ticks, and at the start and the end, a full one. What is recorded is
// written out at each check, and between checks at least every kWriteOutEvery.
#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "game/window_events.h"
#include "recording/recording_platform.h"
#include "recording/state_check.h"

namespace skyscrub::recording {

// Where the script goes. Write must be safe in a signal handler for DemoRecorder::WriteOnCrash.
class ScriptOutput {
 public:
  virtual ~ScriptOutput() = default;
  virtual void Write(std::string_view text) = 0;
  // After each piece the game's normal course wrote out (never from a signal handler), with the
  // main ticks recorded so far: where a file can say that a write failed, and when.
  virtual void WrittenOut(std::uint64_t /*tick*/) {}
};

class DemoRecorder final : public EventObserver, RecordedInputs {
 public:
  static constexpr std::uint64_t kCheckEvery = 60;
  static constexpr std::uint64_t kFullCheckEvery = 1800;
  // Keys, one bit per key of kKeys (the recorder checks at compile time that they all fit).
  using KeyMask = std::uint8_t;

  // Between checks, what is recorded is written out at least this often, so that a crash or a
  // kill on the title screen loses little; `clock` tells the time (tests set it).
  static constexpr std::chrono::milliseconds kWriteOutEvery{2000};
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  static std::chrono::steady_clock::time_point RealTime() { return std::chrono::steady_clock::now(); }

  // Records a game played on `system`. With a heading (comment lines) the script is a
  // recording for a file: the format line, then the heading, open it. Without one it is a
  // bare script (the trace tool's own sessions).
  DemoRecorder(Platform& system, ScriptOutput& out, std::optional<std::string_view> heading = std::nullopt,
               Clock clock = RealTime);
  DemoRecorder(const DemoRecorder&) = delete;
  DemoRecorder& operator=(const DemoRecorder&) = delete;
  ~DemoRecorder() override;

  // The platform the recorded game window must be given.
  Platform& platform() { return recording_.platform(); }
  // The game window whose state the checks state.
  void Watch(GameWindow& game) { game_ = &game; }

  void Delivering(WindowEvent event) override;
  void Delivered(WindowEvent event) override;
  // A `set` line the driver applied between events (tests poke the state this way).
  void Poked(std::string_view line);
  // The final check (and `ended` when the program has ended); everything is written out.
  // Without it, the destructor writes out what is recorded, with no final check.
  void Finish();
  // From a fatal signal's handler: writes out what is recorded, with the event being handled.
  void WriteOnCrash(int signal);

 private:
  void KeyRead(Key key, bool held) override;
  void FileRead(const std::optional<std::string>& content) override;
  void ScreenRead(DisplaySize size) override;
  void ModeTested(ModeTest result) override;
  void Answered(MessageAnswer answer) override;
  void Reseeded(std::uint64_t seed) override;

  void Line(std::string_view text);  // a line of the current event's inputs
  // The event's line: `count` more of a repeatable command merge with the one written last.
  void EventLine(std::string_view text, bool repeatable);
  KeyMask KeysNow() const;
  void KeysLine();
  void Check(bool full);
  void WriteOut(bool keepLastLine);

  RecordingPlatform recording_;
  ScriptOutput& out_;
  GameWindow* game_ = nullptr;
  RecordedState state_;
  std::string script_;       // written but not yet given to `out_`
  std::string eventLines_;   // the inputs of the event being handled
  std::optional<WindowEvent> current_;  // the event being handled
  KeyMask heldKeys_ = 0, readKeys_ = 0, announcedKeys_ = 0;
  ModeTest announcedModeTest_ = ModeTest::Successful;
  std::optional<std::size_t> repeatAt_;  // where the counted line written last starts in script_
  std::string repeatWord_;
  std::uint64_t repeatCount_ = 0;
  std::uint64_t ticks_ = 0;
  bool finished_ = false;
  Clock clock_;
  std::chrono::steady_clock::time_point lastWriteOut_;
};

// A script kept in memory.
class StringOutput final : public ScriptOutput {
 public:
  void Write(std::string_view text) override { text_.append(text); }
  const std::string& text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace skyscrub::recording
