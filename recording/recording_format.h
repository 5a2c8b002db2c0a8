#pragma once
// What makes a script a recording players can share: the line that opens it and names its
// format, and the last lines a complete one ends with. The recorder writes them; a replay
// tells a complete recording from one cut off by them.
#include <string_view>

namespace skyscrub::recording {

// The first line of a recording the game writes. Format 1 had no such line: its recordings
// open with kFirstFormatHeading.
inline constexpr std::string_view kFormatLine = "# skyscrub recording 2";
inline constexpr std::string_view kFormatLineStart = "# skyscrub recording ";
inline constexpr std::string_view kFirstFormatHeading = "# A game of Skyscrub ";

// The recorder's last line when the game crashes: this and the signal's number.
inline constexpr std::string_view kCrashNote = "# the game crashed here, on signal ";

// A complete recording's last line: `ended` (after the final check), or the crash note.
inline bool EndsARecording(std::string_view lastLine) {
  if (!lastLine.empty() && lastLine.back() == '\r') lastLine.remove_suffix(1);
  return lastLine == "ended" || lastLine.starts_with(kCrashNote);
}

}  // namespace skyscrub::recording
