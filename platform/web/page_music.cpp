#include "platform/web/page_music.h"

#include "platform/sdl_common/music_start.h"
#include "platform/sdl_common/program_files.h"
#include "platform/web/page_bridge.h"

namespace skyscrub::web {

std::string RenderedPath(std::string path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  if (dot != std::string::npos && (slash == std::string::npos || dot > slash)) path.erase(dot);
  return path + ".ogg";
}

std::string EffectFile(std::string path) {
  std::string encoded = RenderedPath(path);
  SDL_RWops* file = SDL_RWFromFile(encoded.c_str(), "rb");
  if (file == nullptr) return path;
  SDL_RWclose(file);
  return encoded;
}

PageMusic::~PageMusic() {
  if (device_.open()) Mix_HaltMusic();
}

void PageMusic::Play(const std::string& path, int playCount, int volumePercent) {
  TellPage("music", path);
  if (!device_.open()) return;
  Mix_HaltMusic();
  music_.reset();
  const std::string file = RenderedPath(sdl::NativePath(path));
  music_ = sdl::StartMusic(sdl::MusicHandle(Mix_LoadMUS(file.c_str())), playCount, volumePercent);
}

}  // namespace skyscrub::web
