#include "platform/sdl_common/music_files.h"
#include "platform/sdl_common/program_files.h"

namespace skyscrub::sdl {

std::string MusicFile(const std::string& path) { return NativePath(path); }

// SDL2_mixer turns the volume into the synthesiser's gain itself.
int MusicVolumePercent(const std::string&, int volumePercent) { return volumePercent; }

}  // namespace skyscrub::sdl
