#include "tests/assets/game_playback.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "game/scene/elements.h"
#include "platform/sdl_common/music_files.h"

namespace skyscrub::sound_check {
namespace {

int MixVolume(int volumePercent) { return volumePercent * kMixMaxVolume / 100; }  // as the game sets it

}  // namespace

int MusicMixVolume() { return MixVolume(MediaPlayer{}.volume); }

int RenderedMusicMixVolume(const std::string& path) {
  return MixVolume(sdl::MusicVolumePercent(path, MediaPlayer{}.volume));
}

double MidiMusicGain() { return 1.2 * MusicMixVolume() / kMixMaxVolume; }

double WaveMusicGain() { return static_cast<double>(MusicMixVolume()) / kMixMaxVolume; }

Stereo PlayedBySdlMixer(const std::string& path, int volume, double seconds) {
  // The device mixes silence while the piece loads: what it played is what follows.
  const std::string raw =
      (std::filesystem::temp_directory_path() / ("skyscrub-mixer-output-" + std::to_string(getpid()) + ".raw")).string();
  SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
  SDL_setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
  SDL_setenv("SDL_DISKAUDIODELAY", "0", 1);  // as fast as it can mix
  Stereo played{kMixerRate, {}, {}};
  if (SDL_Init(SDL_INIT_AUDIO) != 0) return played;
  Mix_SetSoundFonts(kSoundFont);
  Mix_Init(MIX_INIT_MID | MIX_INIT_OGG);
  const auto bytes = static_cast<std::uintmax_t>(seconds * kMixerRate * 4);
  std::error_code error;
  std::uintmax_t started = 0;
  if (Mix_OpenAudio(kMixerRate, AUDIO_S16LSB, 2, 1024) == 0) {
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    Mix_VolumeMusic(volume);
    if (music != nullptr && Mix_PlayMusic(music, 1) == 0) {
      started = std::filesystem::file_size(raw, error);
      while (std::filesystem::file_size(raw, error) < started + bytes + 65536 && Mix_PlayingMusic() != 0) SDL_Delay(5);
    }
    Mix_HaltMusic();
    Mix_FreeMusic(music);
    Mix_CloseAudio();
  }
  Mix_Quit();
  SDL_Quit();
  std::ifstream in(raw, std::ios::binary);
  const std::vector<char> data{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  const auto sample = [&](std::size_t i) {
    return static_cast<std::int16_t>(static_cast<std::uint8_t>(data[i]) | (static_cast<std::uint8_t>(data[i + 1]) << 8));
  };
  std::size_t at = 0;
  while (at + 4 <= data.size() && sample(at) == 0 && sample(at + 2) == 0) at += 4;
  for (; at + 4 <= data.size() && played.Frames() * 4 < bytes; at += 4) {
    played.left.push_back(sample(at) / 32768.0F);
    played.right.push_back(sample(at + 2) / 32768.0F);
  }
  std::filesystem::remove(raw, error);
  return played;
}

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
