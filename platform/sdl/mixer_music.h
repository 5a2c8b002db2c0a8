#pragma once
// The background music on SDL2_mixer: MIDI through FluidSynth, waves directly.
#include <string>

#include "platform/platform.h"
#include "platform/sdl/audio_device.h"
#include "platform/sdl/sdl_handles.h"

namespace skyscrub::sdl {

class MixerMusic final : public MusicPlayer {
 public:
  explicit MixerMusic(const AudioDevice& device) : device_(device) {}
  ~MixerMusic() override;

  // Stops what plays and starts `path`, played `playCount` times in a row; a file that
  // cannot be loaded leaves the music silent.
  void Play(const std::string& path, int playCount, int volumePercent) override;

 private:
  const AudioDevice& device_;
  MusicHandle music_;
};

}  // namespace skyscrub::sdl
