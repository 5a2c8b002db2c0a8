#pragma once
// Sound-file effects on SDL2_mixer's single effect channel.
#include <map>
#include <string>

#include "platform/platform.h"
#include "platform/sdl_common/audio_device.h"
#include "platform/sdl_common/sdl_handles.h"

namespace skyscrub::sdl {

class MixerSound final : public SoundEffects {
 public:
  // The file an effect is played from, given the game's path to it (by default, the path's own).
  using FileFor = std::string (*)(std::string path);
  explicit MixerSound(const AudioDevice& device, FileFor fileFor = nullptr) : device_(device), fileFor_(fileFor) {}
  // Frees the effects before the device closes.
  ~MixerSound() override {
    if (device_.open()) Mix_HaltChannel(-1);
  }

  void PlaySound(const std::string& path, bool interrupt) override;

 private:
  const AudioDevice& device_;
  FileFor fileFor_;
  std::map<std::string, ChunkHandle> chunks_;  // by path; a file that failed stays null
};

}  // namespace skyscrub::sdl
