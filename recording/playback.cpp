#include "recording/playback.h"

#include <algorithm>
#include <istream>
#include <limits>
#include <sstream>

#include "game/window_events.h"
#include "recording/script_lines.h"
#include "recording/value_text.h"

namespace skyscrub::recording {

std::uint64_t RecordedTicks(std::istream& recording) {
  ScriptLines lines(recording);
  std::string line;
  std::uint64_t ticks = 0;
  while (lines.Next(line)) {
    std::istringstream words(line);
    std::string word, count, more;
    if (!(words >> word) || word != "tick" || lines.TooLong()) continue;
    const auto n = !(words >> count) ? std::optional<std::int64_t>(1)
                   : (words >> more) ? std::nullopt
                                     : ParseInteger(count, 0, std::numeric_limits<std::int64_t>::max());
    if (n) ticks = std::min(ticks + static_cast<std::uint64_t>(*n), Limits::kEvents);  // no real recording holds more
  }
  return ticks;
}

Playback::Playback(std::istream& recording, ReplaySession& session, std::uint64_t totalTicks, Micros now)
    : session_(session), script_(recording, session), totalTicks_(totalTicks), realAnchor_(now) {
  Advance();
  schedule_.Observe(PlayTime(now));
}

Playback::Micros Playback::PlayTime(Micros now) const {
  return paused_ ? playAnchor_ : playAnchor_ + (now - realAnchor_) * speed_;
}

void Playback::Anchor(Micros now) {
  playAnchor_ = PlayTime(now);
  realAnchor_ = now;
}

void Playback::Advance() {
  while (!script_.NextTimer()) {
    if (!script_.Step()) {
      finished_ = true;
      pace_.Enabled = false;
      return;
    }
  }
  const Timer& timer = session_.game.*kTimerEvents[*script_.NextTimer()].timer;
  // A timer the game has switched off takes no event: the replay passes over it at once.
  pace_.Interval = std::max<std::int32_t>(timer.Interval, 1);
  pace_.Enabled = true;
}

bool Playback::Deliver(std::size_t) {
  if (Done()) return false;
  script_.Step();
  Advance();
  return !Done();
}

void Playback::RunDue(Micros now) {
  if (Done() || paused_) return;
  const Micros at = PlayTime(now);
  schedule_.RunDue(at, at, *this);
}

std::optional<Playback::Micros> Playback::NextWake() const {
  if (Done() || paused_) return std::nullopt;
  const auto due = schedule_.NextDue();
  if (!due) return std::nullopt;
  return realAnchor_ + (*due - playAnchor_ + speed_ - 1) / speed_;
}

void Playback::Press(Control control, Micros now) {
  Anchor(now);
  switch (control) {
    case Control::PauseOrResume: paused_ = !paused_; break;
    case Control::Faster: speed_ = std::min(speed_ * 2, kFastest); break;
    case Control::Slower: speed_ = std::max(speed_ / 2, 1); break;
    case Control::Stop: stopped_ = true; break;
  }
}

std::string Playback::Status() const {
  std::string text = std::to_string(speed_) + "x  tick " + std::to_string(session_.Ticks()) + " of " +
                     std::to_string(std::max(totalTicks_, session_.Ticks()));
  if (paused_) text += "  paused";
  return text;
}

ReplayOutcome Playback::Finish() {
  if (stopped_) return {};
  while (script_.Step()) {
  }
  finished_ = true;
  return script_.Finish();
}

}  // namespace skyscrub::recording
