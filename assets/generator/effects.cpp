#include "assets/generator/effects.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen {
namespace {

constexpr double kTau = 2 * std::numbers::pi;
constexpr double kShotSeconds = 0.08;  // held fire shoots every 80 ms
constexpr float kShotPeakDbfs = -9, kExplosionPeakDbfs = -9, kDeathPeakDbfs = -10;

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

// Two oscillators a fixed ratio apart, gliding along `pitch` (Hz at time t) and shaped by
// `level` (0..1 at time t), through a low-pass.
template <typename Pitch, typename Level>
void Glide(Samples& out, double seconds, Pitch pitch, Level level, double ratio, bool squareFirst, double cutoff, float gain) {
  const auto count = static_cast<std::size_t>(seconds * kSampleRate);
  if (out.size() < count) out.resize(count, 0);
  LowPass tone;
  double phase = 0, phase2 = 0.25;
  for (std::size_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double f = pitch(t), dt = f / kSampleRate;
    phase = std::fmod(phase + dt, 1.0);
    phase2 = std::fmod(phase2 + dt * ratio, 1.0);
    const float first = squareFirst ? Square(phase, dt) : Saw(phase, dt);
    out[i] += gain * static_cast<float>(level(t)) * tone.Step(0.55F * first + 0.45F * Saw(phase2, dt * ratio), cutoff);
  }
}

// The last touch of every effect: optional soft saturation (a louder body without a higher
// peak), a fade so it never ends in a click, and the effects' common peak, low enough that an
// effect on top of the music's loudest moment stays below full scale.
void Master(Samples& out, float drive, float peakDbfs) {
  if (drive > 0) {
    Normalise(out, 0);
    for (float& s : out) s = std::tanh(drive * s);
  }
  FadeOut(out, 0.02);
  Normalise(out, peakDbfs);
}

}  // namespace

Samples ExplosionEffect() {
  Samples out = Seconds(0.75);
  Blast(out, 0, 0.75, 0.16, 7000, 250, 1234, 1.0F);
  Thump(out, 0.4, 140, 40, 0.9F);
  Master(out, 2.5F, kExplosionPeakDbfs);
  return out;
}

Samples ShotEffect() {
  Samples out = Seconds(kShotSeconds);
  // A square and a saw a fifth above, diving fast from a chirp to a low blip, with a click of
  // noise at the start. Full for a few milliseconds, then 40 dB down before the next shot of
  // held fire, so rapid fire is a row of separate shots rather than one tone.
  Glide(out, kShotSeconds, [](double t) { return 200 + 1400 * std::exp(-t / 0.016); },
        [](double t) { return std::min(1.0, t / 0.001) * (t < 0.006 ? 1 : std::exp(-(t - 0.006) / 0.013)); }, 1.5,
        true, 3500, 1.0F);
  Blast(out, 0, 0.02, 0.003, 9000, 5000, 77, 0.35F);
  Master(out, 0, kShotPeakDbfs);
  return out;
}

Samples DeathEffect() {
  Samples out = Seconds(1.9);
  // The wail: two detuned saws sliding down three octaves with a fast wobble.
  Glide(out, 1.1, [](double t) { return 880 * std::pow(2.0, -3.6 * t / 1.1) * (1 + 0.04 * std::sin(kTau * 11 * t)); },
        [](double t) { return std::min(1.0, t / 0.01) * (t < 0.8 ? 1 : std::exp(-(t - 0.8) / 0.12)); }, 1.01, false, 3000, 1.0F);
  // The ship goes up just as the wail bottoms out.
  Blast(out, static_cast<std::size_t>(0.85 * kSampleRate), 1.05, 0.3, 5000, 150, 4321, 1.1F);
  Master(out, 2, kDeathPeakDbfs);
  return out;
}

}  // namespace assetgen
