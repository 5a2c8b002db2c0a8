// skyscrub-trace: runs the game logic headless, driven by a script on standard input.
#include <iostream>

#include "tools/trace/script_session.h"

int main() { return skyscrub::trace::RunScript(std::cin, std::cout, std::cerr); }
