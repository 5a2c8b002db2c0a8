#pragma once
// The game's paths as this system takes them.
#include <string>

namespace skyscrub::sdl {

// A path as the game builds it, with '\' separators in places, turned into a path of this system.
std::string NativePath(std::string path);

}  // namespace skyscrub::sdl
