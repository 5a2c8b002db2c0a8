#pragma once
// Wave-file effects on SDL2_mixer's single effect channel.
#include <map>
#include <string>

#include "platform/platform.h"
#include "platform/sdl_common/audio_device.h"
#include "platform/sdl_common/sdl_handles.h"

namespace skyscrub::sdl {

class MixerSound final : public SoundEffects {
 public:
  explicit MixerSound(const AudioDevice& device) : device_(device) {}
  // Frees the effects before the device closes.
  ~MixerSound() override {
    if (device_.open()) Mix_HaltChannel(-1);
  }

  void PlaySound(const std::string& path, bool interrupt) override;

 private:
  const AudioDevice& device_;
  std::map<std::string, ChunkHandle> chunks_;  // by path; a file that failed stays null
};

}  // namespace skyscrub::sdl
