// A program started from a terminal has it as its standard output already.
#include "platform/sdl/starting_console.h"

namespace skyscrub::sdl {

void WriteToStartingConsole() {}

}  // namespace skyscrub::sdl
