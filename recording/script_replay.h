#pragma once
// A whole script replayed line by line in a session, and a recording held to its format and
// its end. The headless replay runs it as fast as it goes; the game's playback a step at a time,
// one event of each counted line per step, so that each event can wait for its moment.
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "recording/replay_session.h"
#include "recording/script_lines.h"

namespace skyscrub::recording {

// How a replay ends: the exit status of skyscrub-trace.
enum ReplayStatus : int {
  kReplayed = 0,  // every line ran, and a recording was complete
  kDesync = 1,    // a check or `ended` the replay does not match
  kBadLine = 2,   // a line that is no command (or too long), or a recording of an unknown format
  kCutOff = 3,    // a recording that does not end as a complete one does: its file was cut short
  kOverLimit = 4, // the script asked for more work than the limits allow
};

struct ReplayOutcome {
  int status = kReplayed;
  std::string message;  // why it is not kReplayed ("line N: ..."); empty when it is
};

class ScriptReplay {
 public:
  ScriptReplay(std::istream& script, ReplaySession& session) : session_(session), lines_(script) {}

  // Runs the next line whole; false once the script is done (at its end, or at a line that failed).
  bool RunLine();
  // Runs the next step: a line, or of a line of timer events (`tick`, `tick 60`) one event.
  // False once the script is done.
  bool Step();
  // The timer whose event the next Step delivers, when it is one of a timer line under way.
  std::optional<std::size_t> NextTimer() const;

  // How the replay ended, once it is done: a recording (one that opens with the format line, or
  // with the heading of the recordings made before it had one) must also be complete: one that
  // is not is reported cut off, even where a line of it was bad or a check did not match, as the
  // cut explains those. Other scripts run as written. Reads what is left of the script.
  ReplayOutcome Finish();

 private:
  enum class Kind { Script, Recording, UnknownFormat };
  // What the first line makes of the script. A recording cut short inside its first line shows
  // only the start of that line, with no line end.
  static Kind KindOf(std::string_view first, bool lineEnd);
  // Reads the next line and runs it (with `whole` false, a timer line only starts).
  bool Next(bool whole);
  void Ran(std::optional<std::string> error);
  bool RestEndsARecording();

  ReplaySession& session_;
  ScriptLines lines_;
  std::string line_, last_;  // the line being run, and the last one that was not blank
  Kind kind_ = Kind::Script;
  std::optional<std::string> error_;
  long errorLine_ = 0;
  bool done_ = false;
  std::size_t timer_ = 0;          // the timer of the timer line under way
  std::uint64_t timerEvents_ = 0;  // and how many of its events are still to run
};

}  // namespace skyscrub::recording
