#include "platform/sdl/mixer_music.h"

#include "platform/sdl/program_files.h"

namespace skyscrub::sdl {

MixerMusic::~MixerMusic() {
  if (device_.open()) Mix_HaltMusic();
}

void MixerMusic::Play(const std::string& path, int playCount, int volumePercent) {
  if (!device_.open()) return;
  Mix_HaltMusic();
  music_.reset(Mix_LoadMUS(NativePath(path).c_str()));
  if (!music_) return;
  Mix_VolumeMusic(volumePercent * MIX_MAX_VOLUME / 100);
  // SDL2_mixer's count is the number of plays in a row (-1 would be endless).
  Mix_PlayMusic(music_.get(), playCount);
}

}  // namespace skyscrub::sdl
