// A whole script run line by line, and a recording held to its format and its end.
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>

#include "recording/recording_format.h"
#include "tools/trace/script_lines.h"
#include "tools/trace/script_session.h"

namespace skyscrub::trace {

namespace {

using recording::kFirstFormatHeading;
using recording::kFormatLine;
using recording::kFormatLineStart;

enum class Kind { Script, Recording, UnknownFormat };

// What the first line makes of the script. A recording cut short inside its first line shows
// only the start of that line, with no line end.
Kind KindOf(std::string_view first, bool lineEnd) {
  if (!first.empty() && first.back() == '\r') first.remove_suffix(1);
  if (first == kFormatLine || first.starts_with(kFirstFormatHeading)) return Kind::Recording;
  if (first.starts_with(kFormatLineStart)) return Kind::UnknownFormat;
  if (!lineEnd && (kFormatLine.starts_with(first) || kFirstFormatHeading.starts_with(first))) return Kind::Recording;
  return Kind::Script;
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t\r") == std::string_view::npos; }

// Reads the rest of the script without running it; whether it ends as a complete recording.
bool RestEndsARecording(ScriptLines& lines, std::string& line, std::string& last) {
  while (lines.Next(line)) {
    if (!IsBlank(line)) last = lines.TooLong() ? std::string() : line;
  }
  return lines.HadLineEnd() && recording::EndsARecording(last);
}

}  // namespace

int RunScript(std::istream& script, std::ostream& out, std::ostream& errors, Limits limits) {
  Session session(out, limits);
  ScriptLines lines(script);
  std::string line, last;  // the line being run, and the last one that was not blank
  Kind kind = Kind::Script;
  std::optional<std::string> error;
  long errorLine = 0;
  while (lines.Next(line)) {
    if (lines.Number() == 1) kind = KindOf(line, lines.HadLineEnd());
    if (kind == Kind::UnknownFormat) {
      error = "this recording's format is not one this skyscrub-trace reads (\"" + std::string(kFormatLine) +
              "\" and the recordings before it)";
    } else if (lines.TooLong()) {
      error = "the line is longer than " + std::to_string(ScriptLines::kLongest) + " characters, far longer than any "
              "line of a script or recording";
    } else {
      error = session.Execute(line);
      if (!error) error = session.OverLimit();
    }
    if (!IsBlank(line)) std::swap(last, line);
    if (error) {
      errorLine = lines.Number();
      break;
    }
  }
  out.flush();
  if (lines.Number() == 0) {
    errors << "the script is empty: a recording cut off before its first line\n";
    return kCutOff;
  }
  const int status = !error ? kReplayed : session.OverLimit() ? kOverLimit : session.Mismatched() ? kDesync : kBadLine;
  // A cut explains whatever went wrong before the end of a recording; only the limits hold
  // whatever the file.
  const bool cut = kind == Kind::Recording && status != kOverLimit && !RestEndsARecording(lines, line, last);
  if (cut) {
    errors << "line " << lines.Number() << ": the recording is cut off here: a complete one ends with its final "
           << "check and `ended`, or with the note of a crash";
    if (error) errors << " (before the end, line " << errorLine << ": " << *error << ")";
    errors << '\n';
    return kCutOff;
  }
  if (error) errors << "line " << errorLine << ": " << *error << '\n';
  return status;
}

}  // namespace skyscrub::trace
