#pragma once
// A small software synthesiser: oscillators, envelopes, filters and a reverb, rendering into
// mono sample buffers at 44.1 kHz.
#include <cstdint>
#include <string>
#include <vector>

#include "assets/generator/score.h"

namespace assetgen {

constexpr int kSampleRate = 44100;
using Samples = std::vector<float>;

double Frequency(int pitch);  // equal temperament, A4 = 440 Hz

// Band-limited sawtooth and square (polyBLEP), phase in cycles.
float Saw(double phase, double increment);
float Square(double phase, double increment);

// A one-pole low-pass filter whose cut-off may change every sample.
class LowPass {
 public:
  float Step(float in, double cutoffHz);

 private:
  float state_ = 0;
};

// Repeatable white noise in [-1, 1].
class WhiteNoise {
 public:
  explicit WhiteNoise(std::uint32_t seed) : state_(seed) {}
  float Next();

 private:
  std::uint32_t state_;
};

// Instruments of the jingles; each adds one note into `out` (growing it when needed).
enum class Voice { Brass, Strings, ElectricPiano, Bass, Timpani, Cymbal };
void Play(Samples& out, Voice voice, const Note& note, double beatsPerMinute, float gain);
void Play(Samples& out, Voice voice, const std::vector<Note>& notes, double beatsPerMinute, float gain);

void AddReverb(Samples& samples, float wet);   // a small hall
void Normalise(Samples& samples, float peakDbfs);
void FadeOut(Samples& samples, double seconds);  // so a sound never ends in a click
Samples Seconds(double seconds);              // silence of that length

// 16-bit mono PCM wave file; false when it cannot be written.
bool SaveWave(const Samples& samples, const std::string& path);

}  // namespace assetgen
