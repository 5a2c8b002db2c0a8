#pragma once
// The background music in the browser, on SDL2_mixer without threads: a piece is loaded and
// started at once, each from its rendering or encoding where the page ships one (music_files.h).
#include <string>

#include "platform/platform.h"
#include "platform/sdl_common/audio_device.h"
#include "platform/sdl_common/sdl_handles.h"

namespace skyscrub::web {

class PageMusic final : public MusicPlayer {
 public:
  explicit PageMusic(const sdl::AudioDevice& device) : device_(device) {}
  // Stops the music and frees it before the device closes.
  ~PageMusic() override;
  PageMusic(const PageMusic&) = delete;
  PageMusic& operator=(const PageMusic&) = delete;

  void Play(const std::string& path, int playCount, int volumePercent) override;

 private:
  const sdl::AudioDevice& device_;
  sdl::MusicHandle music_;
};

}  // namespace skyscrub::web
