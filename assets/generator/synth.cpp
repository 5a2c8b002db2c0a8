#include "assets/generator/synth.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>

namespace assetgen {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

double PolyBlep(double t, double dt) {
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1;
  }
  if (t > 1 - dt) {
    t = (t - 1) / dt;
    return t * t + t + t + 1;
  }
  return 0;
}

// Attack, then an exponential fall towards `sustain`, then release after the note's end.
float Envelope(double t, double length, double attack, double decay, double sustain, double release) {
  double level = t < attack ? t / attack : sustain + (1 - sustain) * std::exp(-(t - attack) / decay);
  if (t > length) level *= std::exp(-(t - length) / release);
  return static_cast<float>(level);
}

struct VoiceShape {
  double attack, decay, sustain, release;
};

VoiceShape ShapeOf(Voice voice) {
  switch (voice) {
    case Voice::Brass: return {0.03, 0.25, 0.75, 0.12};
    case Voice::Strings: return {0.18, 0.6, 0.8, 0.4};
    case Voice::ElectricPiano: return {0.004, 0.7, 0.15, 0.3};
    case Voice::Bass: return {0.006, 0.4, 0.6, 0.08};
    case Voice::Timpani: return {0.002, 0.5, 0.0, 0.3};
    case Voice::Cymbal: return {0.002, 0.9, 0.0, 0.6};
  }
  return {0.01, 0.3, 0.5, 0.1};
}

// One sample of `voice` at time t into the note (seconds).
float Sample(Voice voice, double t, double f, double& phase, LowPass& filter, WhiteNoise& noise) {
  const double dt = f / kSampleRate;
  switch (voice) {
    case Voice::Brass: {
      const double bright = 600 + 3400 * std::exp(-t / 0.18) + 900 * std::min(1.0, t / 0.4);
      const float raw = 0.5F * (Saw(phase, dt) + Saw(std::fmod(phase * 1.004, 1.0), dt * 1.004));
      return filter.Step(raw, bright);
    }
    case Voice::Strings: {
      const double vibrato = 1 + 0.003 * std::sin(kTau * 5.5 * t);
      const float raw = (Saw(phase, dt) + Saw(std::fmod(phase * 0.996 * vibrato + 0.3, 1.0), dt) +
                         Saw(std::fmod(phase * 1.005 + 0.6, 1.0), dt)) / 3;
      return filter.Step(raw, 2400);
    }
    case Voice::ElectricPiano: {
      const double index = 1.8 * std::exp(-t / 0.25);
      return static_cast<float>(std::sin(kTau * phase + index * std::sin(kTau * phase)) +
                                0.25 * std::sin(kTau * phase * 2) * std::exp(-t / 0.4));
    }
    case Voice::Bass:
      return filter.Step(static_cast<float>(0.8 * std::sin(kTau * phase)) + 0.3F * Saw(phase, dt), 900);
    case Voice::Timpani: {
      const double drop = f * (0.92 + 0.08 * std::exp(-t / 0.05));
      phase += (drop - f) / kSampleRate;  // the pitch sags just after the stroke
      return static_cast<float>(std::sin(kTau * phase)) + 0.4F * filter.Step(noise.Next(), 700) * static_cast<float>(std::exp(-t / 0.04));
    }
    case Voice::Cymbal: {
      const float hiss = noise.Next();
      return hiss - filter.Step(hiss, 5000);  // only the high part of the noise
    }
  }
  return 0;
}

}  // namespace

double Frequency(int pitch) { return 440.0 * std::pow(2.0, (pitch - 69) / 12.0); }

float Saw(double phase, double increment) {
  return static_cast<float>(2 * phase - 1 - PolyBlep(phase, increment));
}

float Square(double phase, double increment) {
  const double half = std::fmod(phase + 0.5, 1.0);
  return static_cast<float>((phase < 0.5 ? 1 : -1) + PolyBlep(phase, increment) - PolyBlep(half, increment));
}

float LowPass::Step(float in, double cutoffHz) {
  const double a = 1 - std::exp(-kTau * std::min(cutoffHz, 18000.0) / kSampleRate);
  state_ += static_cast<float>(a) * (in - state_);
  return state_;
}

float WhiteNoise::Next() {
  state_ = state_ * 1664525U + 1013904223U;
  return static_cast<float>(state_ >> 8) / 8388608.0F - 1;
}

void Play(Samples& out, Voice voice, const Note& note, double bpm, float gain) {
  const VoiceShape shape = ShapeOf(voice);
  const double start = note.start * 60 / bpm, length = note.length * 60 / bpm;
  const double total = length + shape.release * 6;
  const auto first = static_cast<std::size_t>(start * kSampleRate);
  const auto count = static_cast<std::size_t>(total * kSampleRate);
  if (out.size() < first + count) out.resize(first + count, 0);
  const double f = Frequency(note.pitch);
  const float loudness = gain * static_cast<float>(note.velocity) / 127.0F;
  double phase = 0;
  LowPass filter;
  WhiteNoise noise(static_cast<std::uint32_t>(note.pitch * 977 + first));
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const float env = Envelope(t, length, shape.attack, shape.decay, shape.sustain, shape.release);
    out[first + i] += loudness * env * Sample(voice, t, f, phase, filter, noise);
    phase = std::fmod(phase + f / kSampleRate, 1.0);
    if (phase < 0) phase += 1;
  }
}

void Play(Samples& out, Voice voice, const std::vector<Note>& notes, double bpm, float gain) {
  for (const Note& note : notes) Play(out, voice, note, bpm, gain);
}

void AddReverb(Samples& samples, float wet) {
  // Schroeder: four parallel combs into two all-passes.
  const std::size_t combLengths[] = {1557, 1617, 1491, 1422};
  const std::size_t allPassLengths[] = {225, 556};
  samples.resize(samples.size() + kSampleRate, 0);  // room for the tail
  Samples hall(samples.size(), 0);
  for (std::size_t length : combLengths) {
    Samples line(length, 0);
    float damp = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
      const float delayed = line[i % length];
      damp = delayed * 0.6F + damp * 0.4F;
      line[i % length] = samples[i] + damp * 0.8F;
      hall[i] += delayed / 4;
    }
  }
  for (std::size_t length : allPassLengths) {
    Samples line(length, 0);
    for (std::size_t i = 0; i < hall.size(); ++i) {
      const float delayed = line[i % length];
      line[i % length] = hall[i] + delayed * 0.5F;
      hall[i] = delayed - hall[i] * 0.5F;
    }
  }
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] += wet * hall[i];
}

void Normalise(Samples& samples, float peakDbfs) {
  float peak = 0;
  for (float s : samples) peak = std::max(peak, std::abs(s));
  if (peak <= 0) return;
  const float gain = std::pow(10.0F, peakDbfs / 20) / peak;
  for (float& s : samples) s *= gain;
}

void FadeOut(Samples& samples, double seconds) {
  const std::size_t count = std::min(samples.size(), static_cast<std::size_t>(seconds * kSampleRate));
  for (std::size_t i = 0; i < count; ++i)
    samples[samples.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(count);
}

Samples Seconds(double seconds) { return Samples(static_cast<std::size_t>(seconds * kSampleRate), 0); }

bool SaveWave(const Samples& samples, const std::string& path) {
  std::ofstream out(path, std::ios::binary);
  const auto Put = [&](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
  };
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  Put(36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  Put(16, 4);
  Put(1, 2);  // PCM
  Put(1, 2);  // mono
  Put(kSampleRate, 4);
  Put(kSampleRate * 2, 4);
  Put(2, 2);
  Put(16, 2);
  out.write("data", 4);
  Put(dataBytes, 4);
  for (float s : samples)
    Put(static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(std::clamp(s, -1.0F, 1.0F) * 32767))), 2);
  return out.good();
}

}  // namespace assetgen
