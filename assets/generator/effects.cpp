#include "assets/generator/effects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen {
namespace {

constexpr double kTau = 2 * std::numbers::pi;

// Rumbling noise whose brightness and loudness die away over `seconds`.
void Blast(Samples& out, std::size_t from, double seconds, double decay, double brightHz, double darkHz, std::uint32_t seed, float gain) {
  WhiteNoise noise(seed);
  LowPass body, rumble;
  const auto count = static_cast<std::size_t>(seconds * kSampleRate);
  if (out.size() < from + count) out.resize(from + count, 0);
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double cutoff = darkHz + (brightHz - darkHz) * std::exp(-t / (decay * 0.6));
    const float n = noise.Next();
    const float crackle = (noise.Next() > 0.985F && t < seconds * 0.4) ? 0.8F : 0;
    const float sample = body.Step(n + crackle, cutoff) * 1.6F + rumble.Step(n, 120) * 2.5F;
    const double attack = std::min(1.0, t / 0.002);
    out[from + i] += gain * static_cast<float>(attack * std::exp(-t / decay)) * sample;
  }
}

// A sine whose pitch falls from `high` to `low` Hz: the thud under an explosion.
void Thump(Samples& out, double seconds, double high, double low, float gain) {
  const auto count = static_cast<std::size_t>(seconds * kSampleRate);
  if (out.size() < count) out.resize(count, 0);
  double phase = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double f = low + (high - low) * std::exp(-t / 0.06);
    phase += f / kSampleRate;
    out[i] += gain * static_cast<float>(std::sin(kTau * phase) * std::exp(-t / (seconds * 0.3)) * std::min(1.0, t / 0.003));
  }
}

// Soft saturation: louder body without a higher peak.
void Drive(Samples& out, float amount) {
  for (float& s : out) s = std::tanh(amount * s);
}

}  // namespace

Samples ExplosionEffect() {
  Samples out = Seconds(0.75);
  Blast(out, 0, 0.75, 0.16, 7000, 250, 1234, 1.0F);
  Thump(out, 0.4, 140, 40, 0.9F);
  Normalise(out, 0);
  Drive(out, 2.5F);
  FadeOut(out, 0.02);
  Normalise(out, -3);
  return out;
}

Samples ShotEffect() {
  Samples out = Seconds(0.2);
  LowPass tone;
  WhiteNoise noise(77);
  double phase = 0, phase2 = 0.25;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double f = 260 + 1500 * std::exp(-t / 0.045);
    phase = std::fmod(phase + f / kSampleRate, 1.0);
    phase2 = std::fmod(phase2 + f * 1.5 / kSampleRate, 1.0);
    const float zap = 0.6F * Square(phase, f / kSampleRate) + 0.4F * Saw(phase2, f * 1.5 / kSampleRate);
    const float click = noise.Next() * static_cast<float>(std::exp(-t / 0.004));
    const double env = std::min(1.0, t / 0.002) * std::exp(-t / 0.06);
    out[i] = static_cast<float>(env) * tone.Step(zap + 0.5F * click, 5000);
  }
  FadeOut(out, 0.02);
  Normalise(out, -3);
  return out;
}

Samples DeathEffect() {
  Samples out = Seconds(1.9);
  // The wail: two detuned saws sliding down with a fast wobble, fading as it falls.
  LowPass tone;
  double phase = 0, phase2 = 0.5;
  const auto wail = static_cast<std::size_t>(1.1 * kSampleRate);
  for (std::size_t i = 0; i < wail; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double f = 880 * std::pow(2.0, -3.6 * t / 1.1) * (1 + 0.04 * std::sin(kTau * 11 * t));
    phase = std::fmod(phase + f / kSampleRate, 1.0);
    phase2 = std::fmod(phase2 + f * 1.01 / kSampleRate, 1.0);
    const double env = std::min(1.0, t / 0.01) * (t < 0.8 ? 1 : std::exp(-(t - 0.8) / 0.12));
    out[i] += 0.55F * static_cast<float>(env) * tone.Step(Saw(phase, f / kSampleRate) + Saw(phase2, f * 1.01 / kSampleRate), 3000);
  }
  // The ship goes up just as the wail bottoms out.
  Blast(out, static_cast<std::size_t>(0.85 * kSampleRate), 1.05, 0.3, 5000, 150, 4321, 1.1F);
  Normalise(out, 0);
  Drive(out, 2);
  FadeOut(out, 0.02);
  Normalise(out, -3);
  return out;
}

}  // namespace assetgen
