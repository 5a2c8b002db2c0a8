#include "platform/sdl_common/program_files.h"

#include <algorithm>

#include "settings/game_layout.h"

namespace skyscrub::sdl {

std::string NativePath(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return settings::FileInLayout(settings::RunningProgramLayout(), std::move(path));
}

}  // namespace skyscrub::sdl
