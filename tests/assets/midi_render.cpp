#include "tests/assets/midi_render.h"

#include <fluidsynth.h>

#include <algorithm>
#include <memory>
#include <set>

namespace skyscrub::sound_check {
namespace {

constexpr int kBlockFrames = 512;
constexpr int kMidiChannels = 16;

template <typename T, void (*Delete)(T*)>
struct Deleter {
  void operator()(T* p) const { Delete(p); }
};
using Settings = std::unique_ptr<fluid_settings_t, Deleter<fluid_settings_t, delete_fluid_settings>>;
using Synth = std::unique_ptr<fluid_synth_t, Deleter<fluid_synth_t, delete_fluid_synth>>;
using Player = std::unique_ptr<fluid_player_t, Deleter<fluid_player_t, delete_fluid_player>>;

void Quiet() {
  // FluidSynth's notes about the sound font go nowhere; errors still show.
  for (int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG}) fluid_set_log_function(level, nullptr, nullptr);
}

// FluidSynth sends channel c to output group c % groups: the fewest groups that keep the
// wanted channels apart (each group, with its own reverb and chorus, costs time).
int GroupsFor(const std::vector<int>& channels) {
  for (int groups = std::max<int>(1, static_cast<int>(channels.size())); groups < kMidiChannels; ++groups) {
    std::set<int> used;
    for (int c : channels) used.insert(c % groups);
    if (used.size() == channels.size()) return groups;
  }
  return kMidiChannels;
}

}  // namespace

MidiRendering RenderMidi(const MidiRenderRequest& request) {
  Quiet();
  if (!fluid_is_midifile(request.midiPath.c_str())) return {};
  const int groups = GroupsFor(request.channels);
  Settings settings(new_fluid_settings());
  fluid_settings_setnum(settings.get(), "synth.sample-rate", request.sampleRate);
  fluid_settings_setstr(settings.get(), "player.timing-source", "sample");
  // Each group gets a stereo output and a reverb and chorus of its own; both effects are
  // linear, so the groups add up to what one shared output would give.
  fluid_settings_setint(settings.get(), "synth.audio-groups", groups);
  fluid_settings_setint(settings.get(), "synth.audio-channels", groups);
  fluid_settings_setint(settings.get(), "synth.effects-groups", groups);
  Synth synth(new_fluid_synth(settings.get()));
  if (!synth || fluid_synth_sfload(synth.get(), request.soundFont.c_str(), 1) == FLUID_FAILED) return {};
  fluid_synth_set_gain(synth.get(), static_cast<float>(request.gain));
  Player player(new_fluid_player(synth.get()));
  if (!player || fluid_player_add(player.get(), request.midiPath.c_str()) != FLUID_OK) return {};
  fluid_player_set_loop(player.get(), request.plays);
  fluid_player_play(player.get());

  const auto frameLimit = request.seconds > 0 ? static_cast<std::size_t>(request.seconds * request.sampleRate) : SIZE_MAX;
  // Per group: left and right dry, then reverb left and right and chorus left and right.
  const auto count = static_cast<std::size_t>(groups);
  std::vector<std::vector<float>> buffers(6 * count, std::vector<float>(kBlockFrames));
  std::vector<float*> dry(2 * count), effects(4 * count);
  std::vector<std::vector<float>> heard(2 * count);  // each group's left and right, all the way
  while (fluid_player_get_status(player.get()) == FLUID_PLAYER_PLAYING && heard[0].size() < frameLimit) {
    for (std::size_t i = 0; i < buffers.size(); ++i) {
      std::fill(buffers[i].begin(), buffers[i].end(), 0.0F);
      (i < dry.size() ? dry[i] : effects[i - dry.size()]) = buffers[i].data();
    }
    if (fluid_synth_process(synth.get(), kBlockFrames, static_cast<int>(effects.size()), effects.data(),
                            static_cast<int>(dry.size()), dry.data()) != FLUID_OK)
      return {};
    for (std::size_t group = 0; group < count; ++group)
      for (std::size_t side = 0; side < 2; ++side) {
        std::vector<float> block = buffers[2 * group + side];
        for (std::size_t effect = 0; effect < 2; ++effect) {
          const std::vector<float>& wet = buffers[dry.size() + 4 * group + 2 * effect + side];
          for (std::size_t i = 0; i < block.size(); ++i) block[i] += wet[i];
        }
        heard[2 * group + side].insert(heard[2 * group + side].end(), block.begin(), block.end());
      }
  }

  MidiRendering rendering;
  rendering.mix = {request.sampleRate, std::vector<float>(heard[0].size(), 0), std::vector<float>(heard[0].size(), 0)};
  for (std::size_t group = 0; group < count; ++group)
    rendering.mix.MixIn({request.sampleRate, heard[2 * group], heard[2 * group + 1]});
  for (int channel : request.channels) {
    const auto group = static_cast<std::size_t>(channel % groups);
    rendering.parts[channel] = {request.sampleRate, heard[2 * group], heard[2 * group + 1]};
  }
  return rendering;
}

}  // namespace skyscrub::sound_check
