#pragma once
// Creating (or emptying) a file to write with plain system calls (a crash's handler writes
// through them). Each system realises it in a file of its own.
#include <string>

namespace skyscrub::sdl {

// A descriptor that write() and close() take, not inherited by other programs; -1, with errno
// set, when the file cannot be created. The bytes go out as written (binary, on every system).
int CreateFileToWrite(const std::string& path);

}  // namespace skyscrub::sdl
