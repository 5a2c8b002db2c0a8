// skyscrub-trace: runs the game logic headless, driven by a script from a file or standard input.
#include <fstream>
#include <iostream>
#include <string_view>

#include "tools/trace/script_session.h"

namespace {

constexpr const char* kUsage = R"(usage: skyscrub-trace [FILE]   (without FILE, the script comes on standard input)
Runs the game logic on a scripted platform. One command a line, # starts a comment:
  seed N | settings L1 L2 L3 | settings none | settings raw "TEXT" | answer OK|Yes|No
  screen W H | modetest 0|1|2 | reseed N | load | click NAME | move NAME | close
  keys K1,K2|none | tick [N] | poll2 [N] | poll3 [N] | run MS | set NAME VALUE | dump [NAME ...]
  check TICK DIGEST [full] [NAME=VALUE ...] | ended
Prints each dump and each effect on the platform as a JSON line. A recorded game
(Skyscrub --record FILE) replays with its checks: exit status 1 at the first check
the replay does not match, 2 on a bad line, 0 otherwise.
)";

}  // namespace

int main(int argc, char** argv) {
  const std::string_view first = argc > 1 ? argv[1] : "";
  if (first == "--help") {
    std::cout << kUsage;
    return 0;
  }
  if (argc > 2 || first.starts_with("-")) {
    std::cerr << kUsage;
    return 2;
  }
  if (argc == 1) return skyscrub::trace::RunScript(std::cin, std::cout, std::cerr);
  std::ifstream script(argv[1], std::ios::binary);
  if (!script) {
    std::cerr << "skyscrub-trace: cannot read " << argv[1] << "\n";
    return 2;
  }
  return skyscrub::trace::RunScript(script, std::cout, std::cerr);
}
