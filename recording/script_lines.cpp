#include "recording/script_lines.h"

#include <algorithm>
#include <istream>
#include <string_view>

namespace skyscrub::recording {

namespace {

// `settings raw "...`: the settings file as the game read it.
bool IsSettingsFileLine(std::string_view line) {
  constexpr std::string_view kBlanks = " \t";
  line.remove_prefix(std::min(line.size(), line.find_first_not_of(kBlanks)));
  if (!line.starts_with("settings")) return false;
  line.remove_prefix(8);
  line.remove_prefix(std::min(line.size(), line.find_first_not_of(kBlanks)));
  return line.starts_with("raw");
}

}  // namespace

bool ScriptLines::Next(std::string& line) {
  using Traits = std::char_traits<char>;
  line.clear();
  tooLong_ = false;
  std::streambuf* in = in_.rdbuf();
  if (in == nullptr) return false;
  std::size_t longest = kLongest;
  bool any = false;
  for (Traits::int_type c = in->sbumpc(); c != Traits::eof(); c = in->sbumpc()) {
    any = true;
    if (c == '\n') {
      ++number_;
      lineEnd_ = true;
      return true;
    }
    if (line.size() == longest && longest == kLongest && IsSettingsFileLine(line)) longest = kLongestSettings;
    if (line.size() < longest) {
      line.push_back(Traits::to_char_type(c));
    } else {
      tooLong_ = true;
    }
  }
  if (!any) return false;
  ++number_;
  lineEnd_ = false;
  return true;
}

}  // namespace skyscrub::recording
