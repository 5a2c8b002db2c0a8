#include "platform/web/page_music.h"

#include "platform/sdl_common/music_start.h"
#include "platform/sdl_common/music_files.h"
#include "platform/web/page_bridge.h"

namespace skyscrub::web {

PageMusic::~PageMusic() {
  if (device_.open()) Mix_HaltMusic();
}

void PageMusic::Play(const std::string& path, int playCount, int volumePercent) {
  TellPage("music", path);
  if (!device_.open()) return;
  Mix_HaltMusic();
  music_.reset();
  const std::string file = sdl::MusicFile(path);
  music_ = sdl::StartMusic(sdl::MusicHandle(Mix_LoadMUS(file.c_str())), path, playCount, volumePercent);
}

}  // namespace skyscrub::web
