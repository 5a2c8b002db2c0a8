// The model of how the game plays its sounds, against SDL2_mixer itself: a MIDI theme played
// at the game's music volume through SDL's disk audio driver is as loud as the FluidSynth
// rendering at the gain the sound checks use; held fire cuts each shot at the next.
#include "tests/assets/game_playback.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/assets/midi_render.h"

namespace skyscrub::sound_check {
namespace {

constexpr double kSeconds = 5;

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
