#include "platform/sdl/starting_console.h"
#include "platform/windows/parent_console.h"

namespace skyscrub::sdl {

void WriteToStartingConsole() { windows::UseParentConsole(); }

}  // namespace skyscrub::sdl
