#pragma once
// The background music in the browser, on SDL2_mixer without threads: a piece is loaded and
// started at once. Every piece (and the long effects) plays from its Ogg Vorbis rendering, made at
// build time (the MIDI themes with the desktop's synthesiser and sound font) and shipped in its place.
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

// The file a piece is played from: its rendering, the same name ending in .ogg.
std::string RenderedPath(std::string path);

// The file an effect is played from: its Ogg Vorbis encoding where the page ships one, else its wave.
std::string EffectFile(std::string path);

}  // namespace skyscrub::web
