// The browser's music (cmake/WebMusic.cmake: the themes rendered and the jingles encoded as Ogg
// Vorbis at the mixer's rate), measured against the desktop's sound before any encoding, as its
// mixer plays it: each octave band's level, the loudness, the loudness range and the peak, held to
// one table of bands. The table prints with the test.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>
#include <vector>

#include "assets/generator/loudness.h"
#include "tests/assets/game_playback.h"
#include "tests/assets/midi_render.h"

namespace skyscrub::sound_check {
namespace {

using namespace assetgen;  // the loudness meter

constexpr double kFluidSynthGain = 0.2;  // what the renderings are made at: FluidSynth's own default

// A piece as the desktop plays it, and as the browser plays it (decoded to a wave).
struct Piece {
  const char* name;
  bool midi;
};
constexpr Piece kPieces[] = {{"music1", true}, {"music2", true}, {"music3", false}, {"music4", false}};

// The sound at `rate`, converted as SDL converts a sound for its mixer.
Stereo AtRate(const Stereo& sound, int rate) {
  SDL_AudioStream* stream = SDL_NewAudioStream(AUDIO_F32SYS, 2, sound.sampleRate, AUDIO_F32SYS, 2, rate);
  std::vector<float> frames;
  for (std::size_t i = 0; i < sound.Frames(); ++i) frames.insert(frames.end(), {sound.left[i], sound.right[i]});
  SDL_AudioStreamPut(stream, frames.data(), static_cast<int>(frames.size() * sizeof(float)));
  SDL_AudioStreamFlush(stream);
  frames.resize(static_cast<std::size_t>(SDL_AudioStreamAvailable(stream)) / sizeof(float));
  frames.resize(static_cast<std::size_t>(SDL_AudioStreamGet(stream, frames.data(), static_cast<int>(frames.size() * sizeof(float)))) / sizeof(float));
  SDL_FreeAudioStream(stream);
  Stereo converted{rate, {}, {}};
  for (std::size_t i = 0; i + 1 < frames.size(); i += 2) {
    converted.left.push_back(frames[i]);
    converted.right.push_back(frames[i + 1]);
  }
  return converted;
}

// The desktop's MIDI player synthesises at the mixer's rate; a wave is converted to it.
Stereo OnTheDesktop(const Piece& piece) {
  const std::string path = std::string(SKYSCRUB_SOUND_DIR) + "/" + piece.name;
  if (!piece.midi) return AtRate(LoadWave(path + ".wav"), kMixerRate);
  return RenderMidi({path + ".mid", kSoundFont, kFluidSynthGain, 1, kMixerRate, 0, {}}).mix;
}

// The browser's file, decoded at the rate it was made at, the mixer's.
Stereo InTheBrowser(const Piece& piece) {
  return LoadWave(std::string(SKYSCRUB_WEB_MUSIC_DIR) + "/" + piece.name + "-decoded.wav");
}

// The level in dB of one octave band, through a band-pass of an octave's width at `centre` Hz.
double OctaveLevel(const Stereo& sound, double centre) {
  const double w = 2 * std::numbers::pi * centre / sound.sampleRate;
  const double alpha = std::sin(w) * std::sinh(std::numbers::ln2 / 2 * w / std::sin(w));
  const double a0 = 1 + alpha;
  const double b0 = alpha / a0, a1 = -2 * std::cos(w) / a0, a2 = (1 - alpha) / a0;
  double energy = 0;
  for (const std::vector<float>* channel : {&sound.left, &sound.right}) {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (float x : *channel) {
      const double y = b0 * x - b0 * x2 - a1 * y1 - a2 * y2;
      x2 = x1, x1 = x, y2 = y1, y1 = y;
      energy += y * y;
    }
  }
  return 10 * std::log10(energy / static_cast<double>(2 * sound.Frames()) + 1e-30);
}

// Octave bands to the top of what the mixer plays at 32 kHz, with how far each may stray (dB).
struct Octave {
  double centre, tolerance;
};
constexpr Octave kOctaves[] = {{63, 0.5}, {125, 0.5}, {250, 0.5}, {500, 0.5}, {1000, 0.5}, {2000, 0.5}, {4000, 0.5}, {8000, 0.5}, {11314, 1}};

TEST(WebMusic, EveryPieceSoundsAsOnTheDesktopInEveryBand) {
  std::printf("%-8s %-28s %9s %9s\n", "piece", "measure (browser - desktop)", "measured", "band");
  std::string outside;
  for (const Piece& piece : kPieces) {
    const Stereo desktop = OnTheDesktop(piece), browser = InTheBrowser(piece);
    ASSERT_GT(desktop.Frames(), 0U) << piece.name;
    ASSERT_GT(browser.Frames(), 0U) << piece.name;
    // Both, as long as each other: a rendering ends with the synthesiser's tail cut alike.
    const double seconds = std::min(desktop.Seconds(), browser.Seconds());
    EXPECT_NEAR(browser.Seconds(), desktop.Seconds(), 0.05) << piece.name;
    const Stereo a = desktop.Slice(0, seconds), b = browser.Slice(0, seconds);
    const auto check = [&](const std::string& what, double value, double tolerance) {
      const bool inside = std::abs(value) <= tolerance;
      std::printf("%-8s %-28s %9.2f %9.2f%s\n", piece.name, what.c_str(), value, tolerance, inside ? "" : "  OUTSIDE");
      if (!inside) outside += std::string("\n  ") + piece.name + ": " + what;
    };
    check("loudness (LU)", IntegratedLoudness(b) - IntegratedLoudness(a), 0.2);
    check("loudness range (LU)", LoudnessRange(b) - LoudnessRange(a), 0.5);
    check("sample peak (dB)", SamplePeakDbfs(b) - SamplePeakDbfs(a), 0.5);
    for (const Octave& octave : kOctaves)
      check("octave at " + std::to_string(static_cast<int>(octave.centre)) + " Hz (dB)",
            OctaveLevel(b, octave.centre) - OctaveLevel(a, octave.centre), octave.tolerance);
  }
  EXPECT_TRUE(outside.empty()) << "outside their bands:" << outside;
  std::fflush(stdout);
}

}  // namespace
}  // namespace skyscrub::sound_check
