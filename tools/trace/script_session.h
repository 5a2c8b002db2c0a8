#pragma once
// The trace script: one command a line, run against the real game logic on the scripted
// platform. Dumps and the platform's effects are printed as JSON lines, in order.
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "game/game_window.h"
#include "platform/script/scripted_platform.h"
#include "tools/trace/name_table.h"
#include "tools/trace/timer_clock.h"

namespace skyscrub::trace {

// Bounds what an untrusted script can make the game do (the fuzzer uses this).
struct Limits {
  std::uint64_t maxEvents = std::numeric_limits<std::uint64_t>::max();
  // After a `set` the state may be one no play can reach (an index past its array, a counter
  // at its limit), where the game's own guarantees no longer hold; false delivers no further event.
  bool eventsAfterSet = true;
};

class Session {
 public:
  explicit Session(std::ostream& out, Limits limits = {});
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Runs one line of a script (blank lines and comments do nothing); the error, if any.
  std::optional<std::string> Execute(std::string_view line);

  // Called after every event the game has handled (load, click, move, tick, poll).
  std::function<void()> afterEvent;

  ScriptedPlatform system;
  GameWindow game{system.platform()};
  std::uint64_t Events() const { return events_; }
  // The program has ended: no further event reaches it.
  bool Ended() const { return game.Ended() || system.ended; }

 private:
  using Error = std::optional<std::string>;
  using Handler = void (GameWindow::*)();
  struct Command {
    std::string_view word;
    Error (Session::*run)(std::string_view args);
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
  Error Set(std::string_view args);
  Error Dump(std::string_view args);

  // Delivers `count` events of `timer` while it stays enabled.
  Error Repeat(std::string_view args, const Timer& timer, Handler handler);
  // Delivers one event; false once the program has ended or the limit is spent.
  bool Deliver(Handler handler);
  Handler HandlerOf(const Timer& timer) const;
  void PrintEffects();

  std::ostream& out_;
  Limits limits_;
  TimerClock clock_{{&game.Timer1, &game.Timer2, &game.Timer3}};
  std::uint64_t events_ = 0;
  bool poked_ = false;  // a `set` has written the state
};

// Runs a whole script. Returns the exit status: 0, or 2 after reporting the first bad line
// ("line N: ...") on `errors`.
int RunScript(std::istream& script, std::ostream& out, std::ostream& errors, Limits limits = {});

}  // namespace skyscrub::trace
