#pragma once
// Loudness as a listener hears it, after ITU-R BS.1770 (approximately): K-weighting, 400 ms
// blocks with absolute and relative gates, and the loudness range of EBU Tech 3342 from 3 s
// short-term blocks. Levels are in LUFS (LU for differences), peaks in dBFS.
#include <vector>

namespace assetgen {

// Two channels of samples in [-1, 1] at one rate; a mono sound is played to both channels.
struct Stereo {
  int sampleRate = 44100;
  std::vector<float> left, right;

  static Stereo FromMono(const std::vector<float>& mono, int sampleRate);
  std::size_t Frames() const { return left.size(); }
  double Seconds() const { return static_cast<double>(Frames()) / sampleRate; }
  void Scale(double gain);
  void MixIn(const Stereo& other);  // adds `other` sample by sample, growing to its length
  Stereo Slice(double fromSeconds, double toSeconds) const;
};

// The two biquads of the K-weighting (a high shelf, then a high-pass), a0 normalised to 1.
struct Biquad {
  double b0, b1, b2, a1, a2;
};
Biquad KWeightingShelf(int sampleRate);
Biquad KWeightingHighPass(int sampleRate);

// Loudness of each block of `blockSeconds`, one every `stepSeconds`, ungated.
std::vector<double> BlockLoudness(const Stereo& sound, double blockSeconds, double stepSeconds);

// Where a level is below everything measurable (silence).
constexpr double kSilence = -200;

double IntegratedLoudness(const Stereo& sound);  // 400 ms blocks, gates at -70 LUFS and -10 LU
double LoudnessRange(const Stereo& sound);       // 3 s blocks, gates at -70 LUFS and -20 LU, 10th to 95th percentile
double MaxMomentaryLoudness(const Stereo& sound);  // the loudest 400 ms
double SamplePeakDbfs(const Stereo& sound);

// RMS level in dBFS of one channel between two times (both channels alike for our sounds).
double RmsDbfs(const Stereo& sound, double fromSeconds, double toSeconds);

double ToDb(double ratio);  // 20 log10, kSilence for 0

}  // namespace assetgen
