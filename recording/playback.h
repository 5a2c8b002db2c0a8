#pragma once
// Plays a recording back on a clock, for someone to watch: each recorded timer event runs when
// its timer, at the Interval the game gives it, falls due on the playback's clock, which runs
// at the chosen speed and stands still while paused. Other lines (inputs, mouse events, checks)
// run as soon as the event before them has. Every check is verified as it comes: at the first
// one that differs the playback stops, with the headless replay's answer.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>

#include "game/scene/elements.h"
#include "platform/timer_schedule.h"
#include "recording/replay_session.h"
#include "recording/script_replay.h"

namespace skyscrub::recording {

// The main ticks a recording holds: its `tick` lines' counts, read without running them.
std::uint64_t RecordedTicks(std::istream& recording);

class Playback final : TimerSchedule::Loop {
 public:
  using Micros = TimerSchedule::Micros;
  static constexpr int kFastest = 8;  // times the recorded speed
  enum class Control { PauseOrResume, Faster, Slower, Stop };

  // Plays `recording` in `session` from `now` on the real clock; `totalTicks` for the position.
  Playback(std::istream& recording, ReplaySession& session, std::uint64_t totalTicks, Micros now);

  // Runs every event due by `now` on the real clock.
  void RunDue(Micros now);
  // When on the real clock the next event falls due; nothing while paused or once done.
  std::optional<Micros> NextWake() const;
  void Press(Control control, Micros now);

  // Stopped by the viewer, at the recording's end, or at a line that failed.
  bool Done() const { return stopped_ || finished_; }
  bool StoppedByViewer() const { return stopped_; }
  int Speed() const { return speed_; }
  bool Paused() const { return paused_; }
  // What the overlay shows: the speed, paused or not, and the main tick of the total.
  std::string Status() const;

  // How the playback ended: as the headless replay ends (the rest of the recording is run
  // at once, so that a game that ended is held to the recording's end); stopped by the viewer,
  // kReplayed.
  ReplayOutcome Finish();

 private:
  Micros PlayTime(Micros now) const;
  void Anchor(Micros now);
  // Runs the lines up to the next timer event and times it.
  void Advance();
  bool Deliver(std::size_t index) override;
  Micros Happened(Micros due) override { return due; }

  ReplaySession& session_;
  ScriptReplay script_;
  std::uint64_t totalTicks_;
  Timer pace_{"Playback", 0, false};  // stands for the timer of the next recorded event
  TimerSchedule schedule_{{&pace_}};
  Micros realAnchor_, playAnchor_ = 0;  // the playback's clock read playAnchor_ at realAnchor_
  int speed_ = 1;
  bool paused_ = false;
  bool stopped_ = false;
  bool finished_ = false;
};

}  // namespace skyscrub::recording
