#include "platform/sdl/file_creation.h"

#include <fcntl.h>

namespace skyscrub::sdl {

int CreateFileToWrite(const std::string& path) { return ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644); }

}  // namespace skyscrub::sdl
