#include "tools/trace/script_lines.h"

#include <istream>
#include <string_view>

namespace skyscrub::trace {

namespace {

bool IsSettingsLine(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t");
  return first != std::string_view::npos && line.substr(first).starts_with("settings");
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
    if (line.size() == longest && longest == kLongest && IsSettingsLine(line)) longest = kLongestSettings;
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

}  // namespace skyscrub::trace
