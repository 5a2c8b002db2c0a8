#include "platform/web/page_music.h"

#include "platform/sdl_common/music_start.h"
#include "platform/sdl_common/program_files.h"
#include "platform/web/page_bridge.h"

namespace skyscrub::web {

namespace {
constexpr std::string_view kMidi = ".mid";
constexpr std::string_view kRendering = ".ogg";
}  // namespace

std::string RenderedPath(std::string path) {
  if (path.ends_with(kMidi)) path.replace(path.size() - kMidi.size(), kMidi.size(), kRendering);
  return path;
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
