// The loudness meter against the standards' own test signals: sine tones of known level in
// both channels, whose loudness and loudness range the standards state.
#include "assets/generator/loudness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

namespace assetgen {
namespace {

// A sine in both channels, `seconds` long for each (dBFS, seconds) step in turn.
Stereo Tones(const std::vector<std::pair<double, double>>& steps, double hz = 1000, int rate = 48000) {
  std::vector<float> mono;
  double phase = 0;
  for (const auto& [dbfs, seconds] : steps) {
    const double amplitude = std::pow(10.0, dbfs / 20);
    for (auto i = static_cast<long>(seconds * rate); i > 0; --i) {
      mono.push_back(static_cast<float>(amplitude * std::sin(2 * std::numbers::pi * phase)));
      phase = std::fmod(phase + hz / rate, 1.0);
    }
  }
  return Stereo::FromMono(mono, rate);
}

TEST(KWeighting, MatchesTheStandardsCoefficientsAt48kHz) {
  const Biquad shelf = KWeightingShelf(48000), highPass = KWeightingHighPass(48000);
  EXPECT_NEAR(shelf.b0, 1.53512485958697, 1e-9);
  EXPECT_NEAR(shelf.b1, -2.69169618940638, 1e-9);
  EXPECT_NEAR(shelf.b2, 1.19839281085285, 1e-9);
  EXPECT_NEAR(shelf.a1, -1.69065929318241, 1e-9);
  EXPECT_NEAR(shelf.a2, 0.73248077421585, 1e-9);
  EXPECT_NEAR(highPass.a1, -1.99004745483398, 1e-9);
  EXPECT_NEAR(highPass.a2, 0.99007225036621, 1e-9);
}

// A -23 dBFS tone in both channels -> its loudness: the -0.691 of the definition cancels the
// K-weighting's gain at 1 kHz, the shelf lifts 8 kHz by 3.3 dB more, the high-pass takes 14 dB
// off 20 Hz; the same at the rates the game's sounds come in.
struct ToneCase {
  double hz;
  int rate;
  double expectedLufs;
  double tolerance;
};

class ToneLoudness : public testing::TestWithParam<ToneCase> {};

TEST_P(ToneLoudness, FollowsTheWeightingCurve) {
  const ToneCase& c = GetParam();
  const Stereo tone = Tones({{-23, 5}}, c.hz, c.rate);
  EXPECT_NEAR(IntegratedLoudness(tone), c.expectedLufs, c.tolerance);
  EXPECT_NEAR(MaxMomentaryLoudness(tone), c.expectedLufs, c.tolerance);
}

INSTANTIATE_TEST_SUITE_P(Rates, ToneLoudness,
                         testing::Values(ToneCase{1000, 48000, -23, 0.1}, ToneCase{1000, 44100, -23, 0.1},
                                         ToneCase{1000, 32000, -23, 0.1}, ToneCase{8000, 44100, -19.65, 0.1},
                                         ToneCase{20, 44100, -36.96, 0.1}));

// EBU Tech 3341 and 3342's sequences of steady tones: integrated loudness with its gates, and
// the loudness range.
struct SequenceCase {
  const char* name;
  std::vector<std::pair<double, double>> steps;
  double integrated;  // NAN where the standard states none
  double range;       // NAN where the standard states none
};

class ToneSequence : public testing::TestWithParam<SequenceCase> {};

TEST_P(ToneSequence, HasTheStatedLoudnessAndRange) {
  const SequenceCase& c = GetParam();
  const Stereo sound = Tones(c.steps);
  if (!std::isnan(c.integrated)) {
    EXPECT_NEAR(IntegratedLoudness(sound), c.integrated, 0.1);
  }
  if (!std::isnan(c.range)) {
    EXPECT_NEAR(LoudnessRange(sound), c.range, 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ebu, ToneSequence,
    testing::Values(SequenceCase{"Steady", {{-33, 20}}, -33, 0},
                    // The quiet ends lie below the relative gate and do not pull the level down.
                    SequenceCase{"QuietEndsGatedOut", {{-36, 10}, {-23, 60}, {-36, 10}}, -23, NAN},
                    SequenceCase{"LouderMiddleCounts", {{-26, 20}, {-20, 20.1}, {-26, 20}}, -23, NAN},
                    // Below the absolute gate nothing counts.
                    SequenceCase{"SilenceIgnored", {{-200, 20}, {-23, 20}, {-80, 20}}, -23, NAN},
                    SequenceCase{"TenLuRange", {{-20, 20}, {-30, 20}}, NAN, 10},
                    SequenceCase{"FiveLuRange", {{-20, 20}, {-15, 20}}, NAN, 5},
                    SequenceCase{"TwentyLuRange", {{-40, 20}, {-20, 20}}, NAN, 20},
                    SequenceCase{"FifteenLuRange", {{-50, 20}, {-35, 20}, {-20, 20}, {-35, 20}, {-50, 20}}, NAN, 15}),
    [](const testing::TestParamInfo<SequenceCase>& info) { return std::string(info.param.name); });

TEST(Loudness, SilenceHasNoLoudness) {
  const Stereo silence = Stereo::FromMono(std::vector<float>(3 * 48000, 0), 48000);
  EXPECT_EQ(IntegratedLoudness(silence), kSilence);
  EXPECT_EQ(LoudnessRange(silence), 0);
  EXPECT_EQ(SamplePeakDbfs(silence), kSilence);
}

TEST(Loudness, PeakAndRmsOfATone) {
  const Stereo tone = Tones({{-6, 1}});
  EXPECT_NEAR(SamplePeakDbfs(tone), -6, 0.01);
  EXPECT_NEAR(RmsDbfs(tone, 0.2, 0.4), -6 - 3.01, 0.05);
}

TEST(Stereo, MixInAddsAndGrowsAndSliceCuts) {
  Stereo a = Stereo::FromMono({0.5F, 0.5F}, 10);
  a.MixIn(Stereo::FromMono({0.25F, 0.25F, 0.25F}, 10));
  EXPECT_EQ(a.left, (std::vector<float>{0.75F, 0.75F, 0.25F}));
  a.Scale(2);
  EXPECT_EQ(a.right, (std::vector<float>{1.5F, 1.5F, 0.5F}));
  EXPECT_EQ(a.Slice(0.1, 0.3).left, (std::vector<float>{1.5F, 0.5F}));
  EXPECT_EQ(a.Slice(0.2, 9).Frames(), 1U);
}

}  // namespace
}  // namespace assetgen
