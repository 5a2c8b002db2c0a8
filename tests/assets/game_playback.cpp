#include "tests/assets/game_playback.h"

#include <SDL.h>

#include <cstdint>

#include "game/scene/elements.h"

namespace skyscrub::sound_check {

int MusicMixVolume() { return MediaPlayer{}.volume * kMixMaxVolume / 100; }

double MidiMusicGain() { return 1.2 * MusicMixVolume() / kMixMaxVolume; }

double WaveMusicGain() { return static_cast<double>(MusicMixVolume()) / kMixMaxVolume; }

Stereo LoadWave(const std::string& path) {
  SDL_AudioSpec spec;
  Uint8* buffer = nullptr;
  Uint32 bytes = 0;
  if (SDL_LoadWAV(path.c_str(), &spec, &buffer, &bytes) == nullptr) return {};
  Stereo sound;
  sound.sampleRate = spec.freq;
  if (spec.format == AUDIO_S16LSB) {
    const auto* samples = reinterpret_cast<const std::int16_t*>(buffer);
    const std::size_t channels = spec.channels, frames = bytes / 2 / channels;
    for (std::size_t i = 0; i < frames; ++i) {
      sound.left.push_back(samples[i * channels] / 32768.0F);
      sound.right.push_back(samples[i * channels + channels - 1] / 32768.0F);
    }
  }
  SDL_FreeWAV(buffer);
  return sound;
}

Stereo HeldFire(const Stereo& shot, double period, double seconds) {
  Stereo fire{shot.sampleRate, {}, {}};
  const auto shotFrames = static_cast<std::size_t>(period * shot.sampleRate);
  while (fire.Seconds() < seconds)
    for (std::size_t i = 0; i < shotFrames; ++i) {
      fire.left.push_back(i < shot.Frames() ? shot.left[i] : 0);
      fire.right.push_back(i < shot.Frames() ? shot.right[i] : 0);
    }
  return fire;
}

}  // namespace skyscrub::sound_check
