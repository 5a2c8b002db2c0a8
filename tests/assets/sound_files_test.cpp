// The sound and music files the build puts in the game folder: waves that decode and are
// audible without clipping, MIDI files that parse, end cleanly and play through the mixer.
#include <SDL.h>
#include <SDL_mixer.h>
#include <fluidsynth.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "tests/assets/game_playback.h"
#include "tests/assets/midi_summary.h"

namespace skyscrub::sound_check {
namespace {

const std::string kSoundDir = SKYSCRUB_SOUND_DIR;

std::vector<std::uint8_t> ReadFile(const std::string& name) {
  std::ifstream in(kSoundDir + "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct WaveCase {
  const char* file;
  double minSeconds, maxSeconds;
  double peakLowDb, peakHighDb;  // where the loudest sample must lie
};

class WaveFile : public testing::TestWithParam<WaveCase> {};

TEST_P(WaveFile, DecodesAsAudible16BitPcmWithoutClipping) {
  const WaveCase& c = GetParam();
  SDL_AudioSpec spec;
  Uint8* buffer = nullptr;
  Uint32 bytes = 0;
  ASSERT_NE(SDL_LoadWAV((kSoundDir + "/" + c.file).c_str(), &spec, &buffer, &bytes), nullptr) << SDL_GetError();
  EXPECT_EQ(spec.format, AUDIO_S16LSB);
  const auto* samples = reinterpret_cast<const std::int16_t*>(buffer);
  const std::size_t count = bytes / 2;
  double sum = 0;
  int peak = 0;
  for (std::size_t i = 0; i < count; ++i) {
    sum += static_cast<double>(samples[i]) * samples[i];
    peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
  }
  SDL_FreeWAV(buffer);
  const double seconds = static_cast<double>(count) / spec.channels / spec.freq;
  EXPECT_GE(seconds, c.minSeconds);
  EXPECT_LE(seconds, c.maxSeconds);
  const double rmsDb = 20 * std::log10(std::sqrt(sum / static_cast<double>(count)) / 32768);
  const double peakDb = 20 * std::log10(peak / 32768.0);
  EXPECT_GT(rmsDb, -30) << "too quiet";
  EXPECT_GE(peakDb, c.peakLowDb);
  EXPECT_LE(peakDb, c.peakHighDb);
}

// The effects peak low enough that one on top of the music's loudest moment stays below full
// scale (how they sound against the music is the sound bands' business).
INSTANTIATE_TEST_SUITE_P(
    Effects, WaveFile,
    testing::Values(WaveCase{"xplode2.wav", 0.3, 1.5, -10.5, -8.5}, WaveCase{"shoot2.wav", 0.05, 0.2, -10.5, -8.5},
                    WaveCase{"die1.wav", 1.0, 3.0, -11.5, -9.5}));
// The jingles are matched by loudness and play at the music volume; a peak never goes above -1 dBFS.
INSTANTIATE_TEST_SUITE_P(Jingles, WaveFile,
                         testing::Values(WaveCase{"music3.wav", 3, 15, -12, -0.95}, WaveCase{"music4.wav", 3, 15, -12, -0.95}));

class MidiFile : public testing::TestWithParam<const char*> {};

TEST_P(MidiFile, ParsesAsFormat1WithEveryTrackEndingAtTheLoopPoint) {
  const MidiSummary s = Summarise(ReadFile(GetParam()));
  ASSERT_TRUE(s.wellFormed);
  EXPECT_EQ(s.format, 1);
  EXPECT_EQ(s.tracks, s.declaredTracks);
  EXPECT_GE(s.tracks, 3);
  EXPECT_GT(s.notes.size(), 100U);
  EXPECT_EQ(s.hangingNotes, 0) << "a note would sound across the loop";
  ASSERT_FALSE(s.endTicks.empty());
  // All tracks end together on a bar line, so the repeat comes in on the beat.
  for (std::uint32_t end : s.endTicks) EXPECT_EQ(end, s.endTicks.front());
  EXPECT_EQ(s.endTicks.front() % static_cast<std::uint32_t>(4 * s.division), 0U);
}

// Every instrument the theme asks for is one the game's sound font has, and the drums are on
// General MIDI's drum channel, 10.
TEST_P(MidiFile, PlaysOnlyInstrumentsTheSoundFontHas) {
  const MidiSummary s = Summarise(ReadFile(GetParam()));
  ASSERT_FALSE(s.programs.empty());
  fluid_settings_t* settings = new_fluid_settings();
  fluid_synth_t* synth = new_fluid_synth(settings);
  const int font = fluid_synth_sfload(synth, kSoundFont, 0);
  ASSERT_NE(font, FLUID_FAILED);
  fluid_sfont_t* sfont = fluid_synth_get_sfont_by_id(synth, font);
  for (int program : s.programs) EXPECT_NE(fluid_sfont_get_preset(sfont, 0, program), nullptr) << "program " << program;
  EXPECT_NE(fluid_sfont_get_preset(sfont, 128, 0), nullptr) << "no drum kit";
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
  for (const auto& [name, channel] : s.channelOf) EXPECT_EQ(name == "Drums", channel == 9) << name;
}

INSTANTIATE_TEST_SUITE_P(Themes, MidiFile, testing::Values("music1.mid", "music2.mid"));

// The files as the game's music player opens them.
class MixerPlayback : public testing::TestWithParam<const char*> {
 protected:
  static void SetUpTestSuite() {
    SDL_setenv("SDL_AUDIODRIVER", "dummy", 0);
    ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
    Mix_Init(MIX_INIT_MID);
    ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
    Mix_SetSoundFonts(kSoundFont);
  }
  static void TearDownTestSuite() {
    Mix_CloseAudio();
    Mix_Quit();
    SDL_Quit();
  }
};

TEST_P(MixerPlayback, LoadsAndStartsPlaying) {
  Mix_Music* music = Mix_LoadMUS((kSoundDir + "/" + GetParam()).c_str());
  ASSERT_NE(music, nullptr) << Mix_GetError();
  EXPECT_EQ(Mix_PlayMusic(music, 1), 0) << Mix_GetError();
  EXPECT_EQ(Mix_PlayingMusic(), 1);
  Mix_HaltMusic();
  Mix_FreeMusic(music);
}

INSTANTIATE_TEST_SUITE_P(AllMusic, MixerPlayback, testing::Values("music1.mid", "music2.mid", "music3.wav", "music4.wav"));

TEST(EffectPlayback, EveryEffectLoadsAsAMixerChunk) {
  SDL_setenv("SDL_AUDIODRIVER", "dummy", 0);
  ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0);
  ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024), 0) << Mix_GetError();
  for (const char* name : {"xplode2.wav", "shoot2.wav", "die1.wav"}) {
    Mix_Chunk* chunk = Mix_LoadWAV((kSoundDir + "/" + name).c_str());
    EXPECT_NE(chunk, nullptr) << name << ": " << Mix_GetError();
    Mix_FreeChunk(chunk);
  }
  Mix_CloseAudio();
  SDL_Quit();
}

}  // namespace
}  // namespace skyscrub::sound_check
