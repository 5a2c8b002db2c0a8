// The FluidSynth rendering the sound checks hear the themes through: the parts add up to the
// mix, the mix is what one plain synthesiser plays, and the same file renders the same twice.
#include "tests/assets/midi_render.h"

#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "tests/assets/game_playback.h"

namespace skyscrub::sound_check {
namespace {

constexpr int kRate = 32000;
constexpr double kSeconds = 4;

MidiRenderRequest TitleOpening() {
  return {std::string(SKYSCRUB_SOUND_DIR) + "/music1.mid", kSoundFont, 0.5, 1, kRate, kSeconds, {0, 1, 2, 3}};
}

float LargestDifference(const std::vector<float>& a, const std::vector<float>& b) {
  float largest = a.size() == b.size() ? 0 : 1;
  for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i) largest = std::max(largest, std::abs(a[i] - b[i]));
  return largest;
}

// The same file through FluidSynth's own stereo mix, as a player with one output plays it.
std::vector<float> PlainLeft(const MidiRenderRequest& request) {
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", request.sampleRate);
  fluid_settings_setstr(settings, "player.timing-source", "sample");
  fluid_synth_t* synth = new_fluid_synth(settings);
  fluid_synth_sfload(synth, request.soundFont.c_str(), 1);
  fluid_synth_set_gain(synth, static_cast<float>(request.gain));
  fluid_player_t* player = new_fluid_player(synth);
  fluid_player_add(player, request.midiPath.c_str());
  fluid_player_play(player);
  std::vector<float> left(static_cast<std::size_t>(request.seconds * request.sampleRate)), right(left.size());
  fluid_synth_write_float(synth, static_cast<int>(left.size()), left.data(), 0, 1, right.data(), 0, 1);
  delete_fluid_player(player);
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
  return left;
}

TEST(MidiRender, PartsAddUpToTheMixWhichIsWhatOneSynthesiserPlays) {
  const MidiRendering rendering = RenderMidi(TitleOpening());
  ASSERT_GE(rendering.mix.Seconds(), kSeconds);
  ASSERT_EQ(rendering.parts.size(), 4U);
  Stereo sum{kRate, std::vector<float>(rendering.mix.Frames(), 0), std::vector<float>(rendering.mix.Frames(), 0)};
  for (const auto& [channel, part] : rendering.parts) {
    EXPECT_GT(assetgen::IntegratedLoudness(part), -50) << "channel " << channel << " is silent";
    sum.MixIn(part);
  }
  EXPECT_LT(LargestDifference(sum.left, rendering.mix.left), 1e-6);
  const std::vector<float> plain = PlainLeft(TitleOpening());
  EXPECT_LT(LargestDifference(rendering.mix.Slice(0, kSeconds).left, plain), 1e-4);
}

TEST(MidiRender, RendersTheSameTwiceAndScalesWithTheGain) {
  const MidiRendering once = RenderMidi(TitleOpening());
  EXPECT_EQ(once.mix.left, RenderMidi(TitleOpening()).mix.left);
  MidiRenderRequest louder = TitleOpening();
  louder.gain *= 2;
  EXPECT_NEAR(assetgen::IntegratedLoudness(RenderMidi(louder).mix) - assetgen::IntegratedLoudness(once.mix), 6.02, 0.05);
}

TEST(MidiRender, NothingForAMissingFile) {
  MidiRenderRequest missing = TitleOpening();
  missing.midiPath += ".missing";
  EXPECT_EQ(RenderMidi(missing).mix.Frames(), 0U);
}

}  // namespace
}  // namespace skyscrub::sound_check
