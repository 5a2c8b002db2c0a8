#pragma once
// Small text files and the game's paths, read without SDL.
#include <cstddef>
#include <optional>
#include <string>

namespace skyscrub::sdl {

// A settings file is a few bytes; anything bigger is read only this far.
constexpr std::size_t kMaxTextFileBytes = 64 * 1024;

// At most kMaxTextFileBytes of the file; nothing for a directory or an unreadable file.
std::optional<std::string> ReadSmallTextFile(const std::string& path);

// A path as the game builds it, with '\' separators in places, turned into a path of this system.
std::string NativePath(std::string path);

}  // namespace skyscrub::sdl
