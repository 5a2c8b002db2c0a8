#include "platform/sdl_common/music_files.h"
#include "platform/sdl_common/program_files.h"

namespace skyscrub::sdl {

std::string MusicFile(const std::string& path) { return NativePath(path); }

}  // namespace skyscrub::sdl
