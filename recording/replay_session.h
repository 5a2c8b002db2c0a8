#pragma once
// A replay: a trace script (a recording is one), one command a line, run against the real game
// logic. The system it runs on answers the game's questions as the script states them; dumps
// are printed as JSON lines. The headless replay and the game's own playback both run this.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "game/game_window.h"
#include "game/window_events.h"
#include "platform/timer_schedule.h"
#include "recording/demo_recorder.h"
#include "recording/name_table.h"
#include "recording/replay_answers.h"
#include "recording/state_check.h"

namespace skyscrub::recording {

// Bounds what an untrusted script can make the game do. Recordings are files players send each
// other: a hostile count (`poll3 9223372036854775807`, `run 1099511627776`) or a long run of
// checks and dumps must end in minutes, not hours.
struct Limits {
  // Far above any real recording: the game's events come at most about a thousand a second
  // (its fastest tick and its polls are 1 ms), so this is some 14 hours of play; a replay of
  // it takes a few minutes at most.
  static constexpr std::uint64_t kEvents = 50'000'000;
  // A check or a dump reads the whole state (some thousand values), as long as a few hundred
  // events take. A recording has a check every 60 main ticks, so fewer than this.
  static constexpr std::uint64_t kEventsPerStateRead = 50;

  // Limits of `events`, and of checks and dumps in proportion.
  static constexpr Limits ForEvents(std::uint64_t events) { return {events, events / kEventsPerStateRead}; }

  std::uint64_t maxEvents = kEvents;
  std::uint64_t maxStateReads = kEvents / kEventsPerStateRead;
  // After a `set` the state may be one no play can reach (an index past its array, a counter
  // at its limit), where the game's own guarantees no longer hold; false delivers no further event.
  bool eventsAfterSet = true;
};

// The system a replay runs the game on.
class ReplaySystem {
 public:
  // What the game is told when it asks; the script's lines set it.
  virtual ReplayAnswers& Answers() = 0;
  // The system the game is given (its questions answered from Answers()).
  virtual Platform& GamePlatform() = 0;
  // The game asked the program to end.
  virtual bool ProgramEnded() const = 0;
  // After each line and each event: what the game did to the system may be reported on `out`.
  virtual void Report(std::ostream& /*out*/) {}

 protected:
  ~ReplaySystem() = default;
};

class ReplaySession {
 public:
  // With `record`, the session is recorded as a game is (the soak checks its recordings so).
  ReplaySession(ReplaySystem& system, std::ostream& out, Limits limits = {}, ScriptOutput* record = nullptr);
  ReplaySession(const ReplaySession&) = delete;
  ReplaySession& operator=(const ReplaySession&) = delete;

  // Runs one line of a script (blank lines and comments do nothing); the error, if any.
  std::optional<std::string> Execute(std::string_view line);
  // The error came from a check or an `ended` that the replay does not match.
  bool Mismatched() const { return mismatched_; }
  // Once the script has asked for more work than its limits allow: which limit. From then on
  // no further event or check runs (the lines that asked run no further, without an error).
  const std::optional<std::string>& OverLimit() const { return overLimit_; }

  // Called after every event the game has handled (load, click, move, tick, poll).
  std::function<void()> afterEvent;

  // Recorded, the game takes the system through the recorder; so the recorder comes first.
  std::unique_ptr<DemoRecorder> recorder;  // only when recorded
  GameWindow game;

  std::uint64_t Events() const { return delivered_; }
  std::uint64_t Ticks() const { return ticks_; }
  // The program has ended: no further event reaches it.
  bool Ended() const { return game.Ended() || system_.ProgramEnded(); }
  // Ends the recording, if any, with its final check.
  void FinishRecording();

 private:
  using Error = std::optional<std::string>;
  struct Command {
    std::string_view word;
    Error (ReplaySession::*run)(std::string_view args);
  };
  static const Command kCommands[];

  Error Seed(std::string_view args);
  Error Settings(std::string_view args);
  Error Answer(std::string_view args);
  Error Screen(std::string_view args);
  Error ModeTestCommand(std::string_view args);
  Error Load(std::string_view args);
  Error Click(std::string_view args);
  Error Move(std::string_view args);
  Error Keys(std::string_view args);
  Error Tick(std::string_view args);
  Error Poll2(std::string_view args);
  Error Poll3(std::string_view args);
  Error Run(std::string_view args);
  Error Close(std::string_view args);
  Error Reseed(std::string_view args);
  Error Set(std::string_view args);
  Error Dump(std::string_view args);
  Error Check(std::string_view args);
  Error EndedCommand(std::string_view args);

  // Delivers up to `count` events of timer `index` while it stays enabled.
  Error Repeat(std::string_view args, std::size_t index);
  // Delivers one event; false once the program has ended or the limit is spent.
  bool Deliver(WindowEvent event);
  // Delivers one event at the fake clock's present: a timer its handler starts counts from now.
  bool DeliverNow(WindowEvent event);
  // The schedule's ticks reach the game as the script's own events do; the fake clock stands at
  // each as it falls due.
  struct ScheduledTicks final : TimerSchedule::Loop {
    explicit ScheduledTicks(ReplaySession& session) : session(session) {}
    bool Deliver(std::size_t index) override { return session.Deliver(TimerEvent(index)); }
    TimerSchedule::Micros Happened(TimerSchedule::Micros due) override { return due; }
    ReplaySession& session;
  };
  // Counts a read of the whole state against its limit; false when it is spent.
  bool ReadState();
  void Exceed(std::uint64_t limit, std::string_view what);
  Error Mismatch(std::string message);
  void PrintEffects();

  ReplaySystem& system_;
  std::ostream& out_;
  Limits limits_;
  WindowEvents events_{game, recorder.get()};
  TimerSchedule schedule_{events_.Timers()};
  TimerSchedule::Micros now_ = 0;  // the fake clock
  RecordedState recorded_;       // the state as the script's checks state it
  std::uint64_t delivered_ = 0;
  std::uint64_t ticks_ = 0;
  std::uint64_t stateReads_ = 0;
  bool poked_ = false;  // a `set` has written the state
  bool mismatched_ = false;
  Error overLimit_;  // what limit the script went past
};

}  // namespace skyscrub::recording
