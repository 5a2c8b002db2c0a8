#include "platform/sdl_common/music_files.h"
#include "platform/sdl_common/program_files.h"

namespace skyscrub::sdl {

namespace {
constexpr std::string_view kMidi = ".mid";
constexpr std::string_view kRendering = ".ogg";
}  // namespace

std::string MusicFile(const std::string& path) {
  std::string file = NativePath(path);
  if (file.ends_with(kMidi)) file.replace(file.size() - kMidi.size(), kMidi.size(), kRendering);
  return file;
}

}  // namespace skyscrub::sdl
