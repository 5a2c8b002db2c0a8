#include "platform/sdl_common/program_files.h"

#include <algorithm>

#include "settings/game_layout.h"

namespace skyscrub::sdl {

namespace {

std::string Slashed(std::string path) {
  std::replace(path.begin(), path.end(), '\\', '/');
  return path;
}

}  // namespace

std::string NativePath(std::string path) {
  return settings::FileInLayout(settings::RunningProgramLayout(), Slashed(std::move(path)));
}

std::string NativePathToRead(std::string path) {
  return settings::FileToRead(settings::RunningProgramLayout(), Slashed(std::move(path)));
}

}  // namespace skyscrub::sdl
