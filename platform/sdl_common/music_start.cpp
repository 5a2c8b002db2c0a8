#include "platform/sdl_common/music_start.h"

#include "platform/sdl_common/music_files.h"

namespace skyscrub::sdl {

MusicHandle StartMusic(MusicHandle loaded, const std::string& path, int playCount, int volumePercent) {
  if (!loaded) return nullptr;
  Mix_VolumeMusic(MusicVolumePercent(path, volumePercent) * MIX_MAX_VOLUME / 100);
  // SDL2_mixer's count is the number of plays in a row (-1 would be endless).
  if (Mix_PlayMusic(loaded.get(), playCount) != 0) return nullptr;
  return loaded;
}

}  // namespace skyscrub::sdl
