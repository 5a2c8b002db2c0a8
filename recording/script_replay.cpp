#include "recording/script_replay.h"

#include <algorithm>
#include <istream>
#include <limits>
#include <tuple>
#include <utility>

#include "recording/recording_format.h"
#include "recording/script_words.h"
#include "recording/value_text.h"

namespace skyscrub::recording {

namespace {

constexpr std::string_view kBlanks = " \t\r";

bool IsBlank(std::string_view line) { return line.find_first_not_of(kBlanks) == std::string_view::npos; }

// A line of one timer's events (`tick`, `tick 60`, `poll3 5`): the timer and how many.
std::optional<std::pair<std::size_t, std::uint64_t>> TimerLine(std::string_view line) {
  const std::size_t start = line.find_first_not_of(kBlanks);
  if (start == std::string_view::npos) return std::nullopt;
  line.remove_prefix(start);
  const std::size_t end = std::min(line.find_first_of(kBlanks), line.size());
  const auto found = std::find(kTimerWords.begin(), kTimerWords.end(), line.substr(0, end));
  if (found == kTimerWords.end()) return std::nullopt;
  std::string_view count = line.substr(end);
  count.remove_prefix(std::min(count.find_first_not_of(kBlanks), count.size()));
  count = count.substr(0, count.find_last_not_of(kBlanks) + 1);
  const auto events = count.empty() ? std::optional<std::int64_t>(1) : ParseInteger(count, 1, std::numeric_limits<std::int64_t>::max());
  if (!events) return std::nullopt;  // none, or a bad count: the line runs whole
  return std::pair{static_cast<std::size_t>(found - kTimerWords.begin()), static_cast<std::uint64_t>(*events)};
}

}  // namespace

ScriptReplay::Kind ScriptReplay::KindOf(std::string_view first, bool lineEnd) {
  if (!first.empty() && first.back() == '\r') first.remove_suffix(1);
  if (first == kFormatLine || first.starts_with(kFirstFormatHeading)) return Kind::Recording;
  if (first.starts_with(kFormatLineStart)) return Kind::UnknownFormat;
  if (!lineEnd && (kFormatLine.starts_with(first) || kFirstFormatHeading.starts_with(first))) return Kind::Recording;
  return Kind::Script;
}

bool ScriptReplay::RunLine() { return Next(true); }

bool ScriptReplay::Step() {
  if (done_) return false;
  if (timerEvents_ == 0) return Next(false);
  --timerEvents_;
  Ran(session_.Execute(kTimerWords[timer_]));
  return !done_;
}

std::optional<std::size_t> ScriptReplay::NextTimer() const {
  if (done_ || timerEvents_ == 0) return std::nullopt;
  return timer_;
}

bool ScriptReplay::Next(bool whole) {
  if (done_) return false;
  if (!lines_.Next(line_)) {
    done_ = true;
    return false;
  }
  if (lines_.Number() == 1) kind_ = KindOf(line_, lines_.HadLineEnd());
  if (kind_ == Kind::UnknownFormat) {
    Ran("this recording's format is not one this skyscrub-trace reads (\"" + std::string(kFormatLine) +
        "\" and the recordings before it)");
  } else if (lines_.TooLong()) {
    Ran("the line is longer than " + std::to_string(ScriptLines::kLongest) + " characters, far longer than any "
        "line of a script or recording");
  } else if (const auto counted = whole ? std::nullopt : TimerLine(line_)) {
    std::tie(timer_, timerEvents_) = *counted;
  } else {
    Ran(session_.Execute(line_));
  }
  if (!IsBlank(line_)) std::swap(last_, line_);
  return !done_;
}

void ScriptReplay::Ran(std::optional<std::string> error) {
  error_ = std::move(error);
  if (!error_) error_ = session_.OverLimit();
  if (!error_) return;
  errorLine_ = lines_.Number();
  done_ = true;
}

// Reads the rest of the script without running it; whether it ends as a complete recording.
bool ScriptReplay::RestEndsARecording() {
  while (lines_.Next(line_)) {
    if (!IsBlank(line_)) last_ = lines_.TooLong() ? std::string() : line_;
  }
  return lines_.HadLineEnd() && EndsARecording(last_);
}

ReplayOutcome ScriptReplay::Finish() {
  if (lines_.Number() == 0) return {kCutOff, "the script is empty: a recording cut off before its first line"};
  const int status = !error_                ? kReplayed
                     : session_.OverLimit() ? kOverLimit
                     : session_.Mismatched() ? kDesync
                                            : kBadLine;
  // A cut explains whatever went wrong before the end of a recording; only the limits hold
  // whatever the file.
  if (kind_ == Kind::Recording && status != kOverLimit && !RestEndsARecording()) {
    std::string message = "line " + std::to_string(lines_.Number()) +
                          ": the recording is cut off here: a complete one ends with its final check and `ended`, "
                          "or with the note of a crash";
    if (error_) message += " (before the end, line " + std::to_string(errorLine_) + ": " + *error_ + ")";
    return {kCutOff, std::move(message)};
  }
  if (error_) return {status, "line " + std::to_string(errorLine_) + ": " + *error_};
  return {status, {}};
}

}  // namespace skyscrub::recording
