// skyscrub-trace: runs the game logic headless, driven by a script on standard input.
#include <iostream>

#include "tools/trace/script_session.h"

namespace {

constexpr const char* kUsage = R"(usage: skyscrub-trace < SCRIPT
Runs the game logic on a scripted platform. One command a line, # starts a comment:
  seed N | settings L1 L2 L3 | settings none | settings raw "TEXT" | answer OK|Yes|No
  screen W H | modetest 0|1|2 | load | click NAME | move NAME | keys K1,K2|none
  tick [N] | poll2 [N] | poll3 [N] | run MS | set NAME VALUE | dump [NAME ...]
Prints each dump and each effect on the platform as a JSON line. Exit status 2 on a bad line.
)";

}  // namespace

int main(int argc, char**) {
  if (argc > 1) {
    std::cerr << kUsage;
    return 2;
  }
  return skyscrub::trace::RunScript(std::cin, std::cout, std::cerr);
}
