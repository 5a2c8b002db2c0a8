// skyscrub-trace: runs the game logic headless, driven by a script from a file or standard input.
#include <cstdint>
#include <fstream>
#include <iostream>
#include <limits>
#include <optional>
#include <string_view>

#include "recording/value_text.h"
#include "tools/trace/script_session.h"

namespace {

constexpr const char* kUsage = R"(usage: skyscrub-trace [--max-events N] [FILE]
Runs the game logic on a scripted platform, driven by a script from FILE or, without
it, from standard input. One command a line, # starts a comment:
  seed N | settings L1 L2 L3 | settings none | settings raw "TEXT" | answer OK|Yes|No
  screen W H | modetest 0|1|2 | reseed N | load | click NAME | move NAME | close
  keys K1,K2|none | tick [N] | poll2 [N] | poll3 [N] | run MS | set NAME VALUE | dump [NAME ...]
  check TICK DIGEST [full] [NAME=VALUE ...] | ended
Prints each dump and each effect on the platform as a JSON line. A recorded game
(Skyscrub --record FILE) replays with its checks. A recording opens with the line
"# skyscrub recording 2" (or, made before that line, "# A game of Skyscrub ...") and
is complete when it ends with its final check and `ended`, or the note of a crash.
A replay does at most 50000000 events (some 14 hours of play at the fastest speed)
and 1000000 checks and dumps; --max-events raises or lowers the events, and the
checks and dumps with them. No line may be longer than 64 KiB (a `settings raw`
line may hold a whole settings file). Exit status:
  0  every line ran, and a recording was complete
  1  a check (or `ended`) the replay does not match: the replay went its own way
  2  a bad line, a line too long, or a recording of a format this tool does not read
  3  a recording cut off: it does not end as a complete one (an empty file is one)
  4  the replay reached its limit of events or of checks and dumps
)";

int Refuse() {
  std::cerr << kUsage;
  return skyscrub::trace::kBadLine;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace skyscrub::trace;
  std::ios::sync_with_stdio(false);  // the script is read a character at a time
  Limits limits;
  int next = 1;
  if (next < argc && std::string_view(argv[next]) == "--help") {
    std::cout << kUsage;
    return 0;
  }
  if (next + 1 < argc && std::string_view(argv[next]) == "--max-events") {
    const auto events = skyscrub::recording::ParseInteger(argv[next + 1], 1, std::numeric_limits<std::int64_t>::max());
    if (!events) return Refuse();
    limits = Limits::ForEvents(static_cast<std::uint64_t>(*events));
    next += 2;
  }
  if (argc - next > 1 || (next < argc && std::string_view(argv[next]).starts_with("-"))) return Refuse();
  if (next == argc) return RunScript(std::cin, std::cout, std::cerr, limits);
  std::ifstream script(argv[next], std::ios::binary);
  if (!script) {
    std::cerr << "skyscrub-trace: cannot read " << argv[next] << "\n";
    return kBadLine;
  }
  return RunScript(script, std::cout, std::cerr, limits);
}
