#pragma once
// A script's lines, read one at a time with a bounded length: a hostile file costs no more
// memory than its longest allowed line, however long its own lines are.
#include <cstddef>
#include <iosfwd>
#include <string>

#include "settings/file_access.h"

namespace skyscrub::recording {

class ScriptLines {
 public:
  // Far above any real line (a recording's first full check, the longest, is some 16 KB) ...
  static constexpr std::size_t kLongest = 64 * 1024;
  // ... except a `settings raw` line, which holds the settings file the game read (it reads up
  // to kMaxFileBytes of one), each byte written as up to four characters.
  static constexpr std::size_t kLongestSettings = 4 * settings::kMaxFileBytes + kLongest;

  explicit ScriptLines(std::istream& in) : in_(in) {}

  // The next line, without its line end, in `line`; false at the end of the script. Of a
  // line longer than it may be, only the start is kept and TooLong() says so.
  bool Next(std::string& line);
  bool TooLong() const { return tooLong_; }
  // The number of the line read last, from 1.
  long Number() const { return number_; }
  // The line read last had its line end (a file cut short may end in the middle of a line).
  bool HadLineEnd() const { return lineEnd_; }

 private:
  std::istream& in_;
  long number_ = 0;
  bool tooLong_ = false;
  bool lineEnd_ = false;
};

}  // namespace skyscrub::recording
