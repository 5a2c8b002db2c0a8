#include <SDL.h>

#include "platform/sdl_common/music_files.h"
#include "platform/sdl_common/program_files.h"

namespace skyscrub::sdl {

std::string ShippedEncoding(std::string file) {
  const std::size_t dot = file.rfind('.');
  const std::size_t slash = file.find_last_of("/\\");
  const bool named = dot != std::string::npos && (slash == std::string::npos || dot > slash);
  const std::string encoded = file.substr(0, named ? dot : file.size()) + ".ogg";
  SDL_RWops* found = SDL_RWFromFile(encoded.c_str(), "rb");
  if (found == nullptr) return file;
  SDL_RWclose(found);
  return encoded;
}

std::string MusicFile(const std::string& path) { return ShippedEncoding(NativePath(path)); }

int MusicVolumePercent(const std::string& path, int volumePercent) {
  // Every MIDI theme plays from its rendering here: no MIDI is played as such.
  return path.ends_with(".mid") ? 100 : volumePercent;
}

}  // namespace skyscrub::sdl
