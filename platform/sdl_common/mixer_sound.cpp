#include "platform/sdl_common/mixer_sound.h"

#include "platform/sdl_common/program_files.h"

namespace skyscrub::sdl {

namespace {
constexpr int kEffectChannel = 0;
}

void MixerSound::PlaySound(const std::string& path, bool interrupt) {
  if (!device_.open()) return;
  if (!interrupt && Mix_Playing(kEffectChannel) != 0) return;
  auto found = chunks_.find(path);
  if (found == chunks_.end()) {
    const std::string file = fileFor_ != nullptr ? fileFor_(NativePath(path)) : NativePath(path);
    found = chunks_.emplace(path, ChunkHandle(Mix_LoadWAV(file.c_str()))).first;
  }
  Mix_HaltChannel(kEffectChannel);
  if (found->second) Mix_PlayChannel(kEffectChannel, found->second.get(), 0);
}

}  // namespace skyscrub::sdl
