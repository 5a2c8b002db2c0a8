// The sound and music files the build puts in the game folder: waves that decode and are
// audible without clipping, MIDI files that parse, end cleanly and play through the mixer.
#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

const std::string kSoundDir = SKYSCRUB_SOUND_DIR;
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

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

INSTANTIATE_TEST_SUITE_P(
    Effects, WaveFile,
    testing::Values(WaveCase{"xplode2.wav", 0.3, 1.5, -4, -2}, WaveCase{"shoot2.wav", 0.05, 0.5, -4, -2},
                    WaveCase{"die1.wav", 1.0, 3.0, -4, -2}));
// The jingles play at the music volume, so they are mastered hotter than the effects.
INSTANTIATE_TEST_SUITE_P(Jingles, WaveFile,
                         testing::Values(WaveCase{"music3.wav", 3, 15, -2, -0.3}, WaveCase{"music4.wav", 3, 15, -2, -0.3}));

// What a Standard MIDI File says about itself, read chunk by chunk.
struct MidiSummary {
  int format = -1, declaredTracks = 0, tracks = 0, division = 0;
  std::vector<std::uint32_t> endTicks;  // per track, the tick of its end-of-track event
  int hangingNotes = 0;                 // note-ons never switched off
  int notes = 0;
  bool wellFormed = true;
};

std::uint32_t BigEndian(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
  return v;
}

MidiSummary Summarise(const std::vector<std::uint8_t>& b) {
  MidiSummary s, broken;
  broken.wellFormed = false;
  if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd") return broken;
  s.format = static_cast<int>(BigEndian(b, 8, 2));
  s.declaredTracks = static_cast<int>(BigEndian(b, 10, 2));
  s.division = static_cast<int>(BigEndian(b, 12, 2));
  std::size_t at = 8 + BigEndian(b, 4, 4);
  while (at + 8 <= b.size()) {
    const std::size_t end = at + 8 + BigEndian(b, at + 4, 4);
    if (std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4) != "MTrk" || end > b.size())
      return broken;
    ++s.tracks;
    std::size_t p = at + 8;
    std::uint32_t tick = 0;
    std::uint8_t status = 0;
    bool ended = false;
    std::map<int, int> sounding;  // channel * 128 + key -> count
    while (p < end && !ended) {
      std::uint32_t delta = 0;
      do delta = (delta << 7) | (b[p] & 0x7F);
      while (b[p++] & 0x80);
      tick += delta;
      if (b[p] & 0x80) status = b[p++];
      if (status == 0xFF) {
        const std::uint8_t type = b[p++];
        std::uint32_t length = 0;
        do length = (length << 7) | (b[p] & 0x7F);
        while (b[p++] & 0x80);
        p += length;
        if (type == 0x2F) {
          ended = true;
          s.endTicks.push_back(tick);
        }
        continue;
      }
      const int kind = status & 0xF0, key = (status & 0x0F) * 128 + b[p];
      if (kind == 0x90 && b[p + 1] > 0) {
        ++sounding[key];
        ++s.notes;
      } else if (kind == 0x80 || kind == 0x90) {
        --sounding[key];
      }
      p += (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
    }
    for (const auto& [key, count] : sounding) s.hangingNotes += std::abs(count);
    s.wellFormed = s.wellFormed && ended && p == end;
    at = end;
  }
  return s;
}

class MidiFile : public testing::TestWithParam<const char*> {};

TEST_P(MidiFile, ParsesAsFormat1WithEveryTrackEndingAtTheLoopPoint) {
  const MidiSummary s = Summarise(ReadFile(GetParam()));
  ASSERT_TRUE(s.wellFormed);
  EXPECT_EQ(s.format, 1);
  EXPECT_EQ(s.tracks, s.declaredTracks);
  EXPECT_GE(s.tracks, 3);
  EXPECT_GT(s.notes, 100);
  EXPECT_EQ(s.hangingNotes, 0) << "a note would sound across the loop";
  ASSERT_FALSE(s.endTicks.empty());
  // All tracks end together on a bar line, so the repeat comes in on the beat.
  for (std::uint32_t end : s.endTicks) EXPECT_EQ(end, s.endTicks.front());
  EXPECT_EQ(s.endTicks.front() % static_cast<std::uint32_t>(4 * s.division), 0U);
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
