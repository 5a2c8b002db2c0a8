#include "assets/generator/loudness.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace assetgen {
namespace {

// The analogue prototypes of BS.1770's two filters, from which the standard's 48 kHz
// coefficients follow by the bilinear transform; other rates get the same response.
constexpr double kShelfHz = 1681.974450955533, kShelfGainDb = 3.999843853973347, kShelfQ = 0.7071752369554196;
constexpr double kHighPassHz = 38.13547087602444, kHighPassQ = 0.5003270373238773;
constexpr double kAbsoluteGate = -70;

class Filter {
 public:
  explicit Filter(const Biquad& c) : c_(c) {}
  double Step(double x) {
    const double y = c_.b0 * x + c_.b1 * x1_ + c_.b2 * x2_ - c_.a1 * y1_ - c_.a2 * y2_;
    x2_ = x1_;
    x1_ = x;
    y2_ = y1_;
    y1_ = y;
    return y;
  }

 private:
  Biquad c_;
  double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

// The K-weighted square of every frame, summed over the two channels (each weighted 1).
std::vector<double> WeightedPower(const Stereo& sound) {
  std::vector<double> power(sound.Frames(), 0);
  for (const std::vector<float>* channel : {&sound.left, &sound.right}) {
    Filter shelf(KWeightingShelf(sound.sampleRate)), highPass(KWeightingHighPass(sound.sampleRate));
    for (std::size_t i = 0; i < channel->size(); ++i) {
      const double y = highPass.Step(shelf.Step((*channel)[i]));
      power[i] += y * y;
    }
  }
  return power;
}

double LoudnessOfPower(double meanPower) { return meanPower > 0 ? -0.691 + 10 * std::log10(meanPower) : kSilence; }
double PowerOfLoudness(double lufs) { return std::pow(10.0, (lufs + 0.691) / 10); }

std::vector<double> AboveGate(const std::vector<double>& blocks, double gate) {
  std::vector<double> kept;
  std::copy_if(blocks.begin(), blocks.end(), std::back_inserter(kept), [gate](double l) { return l > gate; });
  return kept;
}

double MeanLoudness(const std::vector<double>& blocks) {
  if (blocks.empty()) return kSilence;
  double power = 0;
  for (double l : blocks) power += PowerOfLoudness(l);
  return LoudnessOfPower(power / static_cast<double>(blocks.size()));
}

// The value below which `fraction` of the sorted values lie (nearest rank).
double Percentile(const std::vector<double>& sorted, double fraction) {
  const auto rank = static_cast<std::size_t>(std::lround(fraction * static_cast<double>(sorted.size() - 1)));
  return sorted[rank];
}

}  // namespace

Stereo Stereo::FromMono(const std::vector<float>& mono, int rate) { return {rate, mono, mono}; }

void Stereo::Scale(double gain) {
  for (std::vector<float>* channel : {&left, &right})
    for (float& s : *channel) s = static_cast<float>(s * gain);
}

void Stereo::MixIn(const Stereo& other) {
  if (Frames() < other.Frames()) {
    left.resize(other.Frames(), 0);
    right.resize(other.Frames(), 0);
  }
  for (std::size_t i = 0; i < other.Frames(); ++i) {
    left[i] += other.left[i];
    right[i] += other.right[i];
  }
}

Stereo Stereo::Slice(double fromSeconds, double toSeconds) const {
  const auto first = std::min(Frames(), static_cast<std::size_t>(std::max(0.0, fromSeconds) * sampleRate));
  const auto last = std::clamp(static_cast<std::size_t>(toSeconds * sampleRate), first, Frames());
  const auto from = static_cast<long>(first), to = static_cast<long>(last);
  return {sampleRate, {left.begin() + from, left.begin() + to}, {right.begin() + from, right.begin() + to}};
}

Biquad KWeightingShelf(int sampleRate) {
  const double k = std::tan(std::numbers::pi * kShelfHz / sampleRate);
  const double vh = std::pow(10.0, kShelfGainDb / 20), vb = std::pow(vh, 0.4996667741545416);
  const double a0 = 1 + k / kShelfQ + k * k;
  return {(vh + vb * k / kShelfQ + k * k) / a0, 2 * (k * k - vh) / a0, (vh - vb * k / kShelfQ + k * k) / a0,
          2 * (k * k - 1) / a0, (1 - k / kShelfQ + k * k) / a0};
}

Biquad KWeightingHighPass(int sampleRate) {
  const double k = std::tan(std::numbers::pi * kHighPassHz / sampleRate);
  const double a0 = 1 + k / kHighPassQ + k * k;
  return {1, -2, 1, 2 * (k * k - 1) / a0, (1 - k / kHighPassQ + k * k) / a0};
}

std::vector<double> BlockLoudness(const Stereo& sound, double blockSeconds, double stepSeconds) {
  const std::vector<double> power = WeightedPower(sound);
  std::vector<double> running(power.size() + 1, 0);  // running sums, so each block is one difference
  for (std::size_t i = 0; i < power.size(); ++i) running[i + 1] = running[i] + power[i];
  const auto block = static_cast<std::size_t>(std::lround(blockSeconds * sound.sampleRate));
  const auto step = static_cast<std::size_t>(std::lround(stepSeconds * sound.sampleRate));
  std::vector<double> blocks;
  for (std::size_t start = 0; block > 0 && start + block <= power.size(); start += step)
    blocks.push_back(LoudnessOfPower((running[start + block] - running[start]) / static_cast<double>(block)));
  return blocks;
}

double IntegratedLoudness(const Stereo& sound) {
  const std::vector<double> blocks = AboveGate(BlockLoudness(sound, 0.4, 0.1), kAbsoluteGate);
  return MeanLoudness(AboveGate(blocks, MeanLoudness(blocks) - 10));
}

double LoudnessRange(const Stereo& sound) {
  const std::vector<double> blocks = AboveGate(BlockLoudness(sound, 3, 0.1), kAbsoluteGate);
  std::vector<double> kept = AboveGate(blocks, MeanLoudness(blocks) - 20);
  if (kept.empty()) return 0;
  std::sort(kept.begin(), kept.end());
  return Percentile(kept, 0.95) - Percentile(kept, 0.10);
}

double MaxMomentaryLoudness(const Stereo& sound) {
  const std::vector<double> blocks = BlockLoudness(sound, 0.4, 0.01);
  return blocks.empty() ? kSilence : *std::max_element(blocks.begin(), blocks.end());
}

double SamplePeakDbfs(const Stereo& sound) {
  float peak = 0;
  for (const std::vector<float>* channel : {&sound.left, &sound.right})
    for (float s : *channel) peak = std::max(peak, std::abs(s));
  return ToDb(peak);
}

double RmsDbfs(const Stereo& sound, double fromSeconds, double toSeconds) {
  const Stereo part = sound.Slice(fromSeconds, toSeconds);
  if (part.Frames() == 0) return kSilence;
  double sum = 0;
  for (float s : part.left) sum += static_cast<double>(s) * s;
  return ToDb(std::sqrt(sum / static_cast<double>(part.Frames())));
}

double ToDb(double ratio) { return ratio > 0 ? 20 * std::log10(ratio) : kSilence; }

}  // namespace assetgen
