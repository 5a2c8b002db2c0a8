// The model of how the game plays its sounds, against SDL2_mixer itself: a MIDI theme played
// at the game's music volume through SDL's disk audio driver is as loud as the FluidSynth
// rendering at the gain the sound checks use; held fire cuts each shot at the next.
#include "tests/assets/game_playback.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/assets/midi_render.h"

namespace skyscrub::sound_check {
namespace {

constexpr double kSeconds = 5;

// What SDL2_mixer sends to the sound card for the first `seconds` of `midiPath` at `volume`,
// from its first sound on (the device mixes silence while the piece loads).
Stereo PlayedBySdlMixer(const std::string& midiPath, int volume, double seconds) {
  const std::string raw = testing::TempDir() + "mixer_output.raw";
  SDL_setenv("SDL_AUDIODRIVER", "disk", 1);
  SDL_setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
  SDL_setenv("SDL_DISKAUDIODELAY", "0", 1);  // as fast as it can mix
  Stereo played{kMixerRate, {}, {}};
  if (SDL_Init(SDL_INIT_AUDIO) != 0) return played;
  Mix_SetSoundFonts(kSoundFont);
  Mix_Init(MIX_INIT_MID);
  const auto bytes = static_cast<std::uintmax_t>(seconds * kMixerRate * 4);
  std::error_code error;
  std::uintmax_t started = 0;
  if (Mix_OpenAudio(kMixerRate, AUDIO_S16LSB, 2, 1024) == 0) {
    Mix_Music* music = Mix_LoadMUS(midiPath.c_str());
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

TEST(GamePlayback, MusicVolumeIs53Of128) {
  EXPECT_EQ(MusicMixVolume(), 53);
  EXPECT_NEAR(MidiMusicGain(), 0.497, 0.001);
  EXPECT_NEAR(WaveMusicGain(), 0.414, 0.001);
}

TEST(GamePlayback, SdlMixerPlaysMidiAsLoudAsFluidSynthAtTheModelsGain) {
  const std::string title = std::string(SKYSCRUB_SOUND_DIR) + "/music1.mid";
  const Stereo played = PlayedBySdlMixer(title, MusicMixVolume(), kSeconds);
  ASSERT_GE(played.Seconds(), kSeconds - 0.1);
  const Stereo rendered = RenderMidi({title, kSoundFont, MidiMusicGain(), 1, kMixerRate, kSeconds, {}}).mix;
  EXPECT_NEAR(assetgen::IntegratedLoudness(played), assetgen::IntegratedLoudness(rendered), 0.2);
  EXPECT_NEAR(assetgen::SamplePeakDbfs(played), assetgen::SamplePeakDbfs(rendered), 0.3);
}

TEST(GamePlayback, HeldFireCutsEachShotAtTheNext) {
  const Stereo shot = Stereo::FromMono({1, 2, 3, 4, 5}, 100);
  const Stereo fire = HeldFire(shot, 0.03, 0.09);
  EXPECT_EQ(fire.left, (std::vector<float>{1, 2, 3, 1, 2, 3, 1, 2, 3}));
  EXPECT_EQ(HeldFire(shot, 0.07, 0.07).right, (std::vector<float>{1, 2, 3, 4, 5, 0, 0}));
}

}  // namespace
}  // namespace skyscrub::sound_check
