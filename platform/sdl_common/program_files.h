#pragma once
// The game's paths as this system takes them.
#include <string>

namespace skyscrub::sdl {

// A path as the game builds it, with '\' separators in places, turned into a path of this
// system and taken to the real file of the game's layout (its settings and sounds live apart
// from the program once it is installed).
std::string NativePath(std::string path);
// The same for a file the game reads: its settings file is the installed game's default while
// the player has none of their own.
std::string NativePathToRead(std::string path);

}  // namespace skyscrub::sdl
