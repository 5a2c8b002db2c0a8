// The browser's music and long effects (cmake/EncodedSounds.cmake: the themes rendered, the jingles and
// the effects encoded as Ogg Vorbis), measured against the desktop's sound before any encoding, as its
// mixer plays it: each octave band's level, the loudness, the loudness range and the peak, held to
// one table of bands. The table prints with the test.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
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

// A sound as the desktop plays it, and as the browser plays it (decoded to a wave): a MIDI theme,
// a wave played as music (at the game's music volume), or an effect (at full volume).
enum class Kind { Theme, Jingle, Effect };
struct Piece {
  const char* name;
  Kind kind;
};
constexpr Piece kPieces[] = {{"music1", Kind::Theme},  {"music2", Kind::Theme},   {"music3", Kind::Jingle},
                             {"music4", Kind::Jingle}, {"xplode2", Kind::Effect}, {"die1", Kind::Effect}};

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

// The desktop's MIDI player synthesises at the mixer's rate, at the gain the game's music volume
// gives it, which the renderings carry; a wave is converted to the mixer's rate.
Stereo OnTheDesktop(const Piece& piece) {
  const std::string path = std::string(SKYSCRUB_SOUND_DIR) + "/" + piece.name;
  if (piece.kind != Kind::Theme) return AtRate(LoadWave(path + ".wav"), kMixerRate);
  return RenderMidi({path + ".mid", kSoundFont, MidiMusicGain(), 1, kMixerRate, 0, {}}).mix;
}

// How loud the browser's mixer plays the file: an effect at full volume, music at the volume its
// music files give it for the game's (a rendered theme carries its level).
double BrowserGain(const Piece& piece) {
  if (piece.kind == Kind::Effect) return 1;
  const std::string path = std::string("/components/sound/") + piece.name + (piece.kind == Kind::Theme ? ".mid" : ".wav");
  return static_cast<double>(RenderedMusicMixVolume(path)) / kMixMaxVolume;
}

// The browser's file, decoded at its own rate.
Stereo InTheBrowser(const Piece& piece) {
  return LoadWave(std::string(SKYSCRUB_WEB_MUSIC_DIR) + "/" + piece.name + "-decoded.wav");
}

// The power spectrum of the sound, both channels, averaged over Hann-windowed frames of kFft
// samples half a frame apart (an iterative radix-2 FFT).
constexpr std::size_t kFft = 4096;

std::vector<double> PowerSpectrum(const Stereo& sound) {
  std::vector<double> power(kFft / 2 + 1, 0);
  for (const std::vector<float>* channel : {&sound.left, &sound.right})
    for (std::size_t start = 0; start + kFft <= channel->size(); start += kFft / 2) {
      std::vector<std::complex<double>> x(kFft);
      for (std::size_t i = 0, j = 0; i < kFft; ++i) {
        x[j] = (*channel)[start + i] * (0.5 - 0.5 * std::cos(2 * std::numbers::pi * static_cast<double>(i) / kFft));
        std::size_t bit = kFft >> 1;  // j runs through i's bit-reversed order
        for (; j & bit; bit >>= 1) j ^= bit;
        j |= bit;
      }
      for (std::size_t size = 2; size <= kFft; size <<= 1) {
        const std::complex<double> step = std::polar(1.0, -2 * std::numbers::pi / static_cast<double>(size));
        for (std::size_t block = 0; block < kFft; block += size) {
          std::complex<double> w = 1;
          for (std::size_t k = 0; k < size / 2; ++k, w *= step) {
            const std::complex<double> even = x[block + k], odd = w * x[block + k + size / 2];
            x[block + k] = even + odd;
            x[block + k + size / 2] = even - odd;
          }
        }
      }
      for (std::size_t k = 0; k < power.size(); ++k) power[k] += std::norm(x[k]);
    }
  return power;
}

// The level in dB of the spectrum's band from `low` to `high` Hz.
double BandLevel(const std::vector<double>& power, int sampleRate, double low, double high) {
  double sum = 1e-30;
  for (std::size_t k = 0; k < power.size(); ++k) {
    const double hz = static_cast<double>(k) * sampleRate / kFft;
    if (hz >= low && hz < high) sum += power[k];
  }
  return 10 * std::log10(sum);
}

// Octave bands to the top of what the mixer plays at 32 kHz, the top octave in halves (an encoder
// at a lower quality cuts the highest first), with how far each may stray (dB).
struct Band {
  double low, high, tolerance;
};
constexpr Band kBands[] = {{44, 88, 0.5},     {88, 177, 0.5},    {177, 354, 0.5},     {354, 707, 0.5},
                           {707, 1414, 0.5},  {1414, 2828, 0.5}, {2828, 5657, 0.5},   {5657, 11314, 0.5},
                           {11314, 13454, 2}, {13454, 16000, 2}};
// A band this far under the whole piece is not heard beside the rest at the game's volume: it is
// held only to stay that far under.
constexpr double kUnheardDb = -40;

TEST(WebMusic, EveryPieceSoundsAsOnTheDesktopInEveryBand) {
  std::printf("%-8s %-28s %9s %9s\n", "piece", "measure (browser - desktop)", "measured", "band");
  std::string outside;
  double effectPeak = 0, musicPeak = 0;  // the loudest of each as the mixer plays them in the browser
  for (const Piece& piece : kPieces) {
    const Stereo desktop = OnTheDesktop(piece), browser = AtRate(InTheBrowser(piece), kMixerRate);
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
    // A lossy encoding moves the peaks of a noise-like sound (a death's by 2.2 dB) and no one
    // hears it; what the peaks may not take is the headroom, held after the table.
    check("sample peak (dB)", SamplePeakDbfs(b) - SamplePeakDbfs(a), 3);
    double& loudest = piece.kind == Kind::Effect ? effectPeak : musicPeak;
    loudest = std::max(loudest, std::pow(10.0, SamplePeakDbfs(b) / 20) * BrowserGain(piece));
    const std::vector<double> desktopPower = PowerSpectrum(a), browserPower = PowerSpectrum(b);
    const double desktopAll = BandLevel(desktopPower, a.sampleRate, 0, a.sampleRate);
    const double browserAll = BandLevel(browserPower, b.sampleRate, 0, b.sampleRate);
    for (const Band& band : kBands) {
      const std::string name = "band " + std::to_string(static_cast<int>(band.low)) + "-" + std::to_string(static_cast<int>(band.high)) + " Hz";
      const double desktop = BandLevel(desktopPower, a.sampleRate, band.low, band.high) - desktopAll;
      const double browser = BandLevel(browserPower, b.sampleRate, band.low, band.high) - browserAll;
      if (desktop > kUnheardDb) {
        check(name + " (dB)", browser - desktop, band.tolerance);
      } else {
        check(name + " under all (dB)", std::max(browser - kUnheardDb, 0.0), 0);
        std::printf("%-8s   (%.1f dB under all on the desktop, %.1f in the browser)\n", piece.name, -desktop, -browser);
      }
    }
  }
  // An effect on the music's loudest moment stays below full scale, as on the desktop.
  const double headroom = ToDb(effectPeak + musicPeak);
  std::printf("%-37s %9.2f %9s\n", "loudest effect + music peak (dBFS)", headroom, "<= 0");
  EXPECT_LE(headroom, 0);
  EXPECT_TRUE(outside.empty()) << "outside their bands:" << outside;
  std::fflush(stdout);
}

}  // namespace
}  // namespace skyscrub::sound_check
