#include "platform/sdl_common/program_files.h"

#include <algorithm>

namespace skyscrub::sdl {

std::string NativePath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace skyscrub::sdl
