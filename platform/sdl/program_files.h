#pragma once
// The program's folder and small text files, read without SDL.
#include <cstddef>
#include <optional>
#include <string>

namespace skyscrub::sdl {

// A settings file is a few bytes; anything bigger is read only this far.
constexpr std::size_t kMaxTextFileBytes = 64 * 1024;

// The folder of the running program, without a trailing '/'.
std::string FolderOfRunningProgram();

// At most kMaxTextFileBytes of the file; nothing for a directory or an unreadable file.
std::optional<std::string> ReadSmallTextFile(const std::string& path);

// A path as the game builds it, with '\' separators in places, turned into a path of this system.
std::string NativePath(std::string path);

}  // namespace skyscrub::sdl
