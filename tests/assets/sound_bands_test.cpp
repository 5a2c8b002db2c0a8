// The game's sounds as the player hears them, measured on the built files at the game's
// volumes and held to one table of bands: the balance in play, the shot's decay, the
// themes' length, dynamics, parts and loop seams, and the jingles' loudness and endings.
// The table prints with the test; SKYSCRUB_SOUND_DIR=<folder> measures another build's files.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "tests/assets/game_playback.h"
#include "assets/generator/loudness.h"
#include "tests/assets/midi_render.h"
#include "tests/assets/midi_summary.h"

namespace skyscrub::sound_check {
namespace {

using namespace assetgen;  // the loudness meter

constexpr double kFirePeriod = 0.08;   // a shot every 8 ticks of 10 ms while Z is held
constexpr double kSilentDbfs = -60;    // below this a stretch counts as silence
constexpr double kSeamWindow = 0.5;    // seconds either side of a loop's seam searched for a gap
constexpr double kAfterSeam = 2;       // seconds of the second pass rendered

std::string SoundDir() {
  const char* other = std::getenv("SKYSCRUB_SOUND_DIR");
  return other != nullptr && *other != '\0' ? other : SKYSCRUB_SOUND_DIR;
}

MidiSummary ScoreOf(const std::string& file) {
  std::ifstream in(SoundDir() + "/" + file, std::ios::binary);
  return Summarise({std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
}

// A looping theme: its score, and two passes rendered back to back as the game plays them
// (the second only as far as the seam checks look), each part also on its own.
struct Theme {
  MidiSummary score;
  double passSeconds = 0;
  MidiRendering heard;

  explicit Theme(const std::string& file)
      : score(ScoreOf(file)),
        passSeconds(score.endTicks.empty() ? 0 : score.endTicks.front() / static_cast<double>(score.division) *
                                                       score.microsPerBeat / 1e6),
        heard(RenderMidi({SoundDir() + "/" + file, kSoundFont, MidiMusicGain(), 2, kMixerRate,
                             passSeconds + kAfterSeam, Channels(score)})) {}
  static std::vector<int> Channels(const MidiSummary& score) {
    std::set<int> channels;
    for (const auto& [name, channel] : score.channelOf) channels.insert(channel);
    return {channels.begin(), channels.end()};
  }
  Stereo FirstPass() const { return heard.mix.Slice(0, passSeconds); }
  // One part's own sound over the first pass, found by its track's name.
  Stereo Part(const char* name) const {
    const auto channel = score.channelOf.find(name);
    if (channel == score.channelOf.end() || !heard.parts.contains(channel->second)) return {};
    return heard.parts.at(channel->second).Slice(0, passSeconds);
  }
  double PartVsLead(const char* name, const char* lead) const {
    return IntegratedLoudness(Part(name)) - IntegratedLoudness(Part(lead));
  }
};

// Everything the bands look at, measured once.
struct Heard {
  Stereo shot = LoadWave(SoundDir() + "/shoot2.wav");
  Stereo explosion = LoadWave(SoundDir() + "/xplode2.wav");
  Stereo death = LoadWave(SoundDir() + "/die1.wav");
  Stereo fire = HeldFire(shot, kFirePeriod, 10);
  Stereo lose = Scaled(LoadWave(SoundDir() + "/music3.wav"), WaveMusicGain());
  Stereo win = Scaled(LoadWave(SoundDir() + "/music4.wav"), WaveMusicGain());
  Theme title{"music1.mid"};
  Theme game{"music2.mid"};
  double gameLoudness = IntegratedLoudness(game.FirstPass());

  static Stereo Scaled(Stereo sound, double gain) {
    sound.Scale(gain);
    return sound;
  }
};

const Heard& Measured() {
  static const Heard heard;
  return heard;
}

double Linear(double dbfs) { return std::pow(10.0, dbfs / 20); }

// The level of each `window` of sound, one every `hop`, in dBFS.
std::vector<double> Levels(const Stereo& sound, double window, double hop) {
  std::vector<double> levels;
  for (double t = 0; t + window <= sound.Seconds() + 1e-9; t += hop) levels.push_back(RmsDbfs(sound, t, t + window));
  return levels;
}

// Shots: how far one has died away just before the next, and how soon it is at its loudest.
double ShotDropBeforeNextShot(const Stereo& shot) {
  const std::vector<double> levels = Levels(shot, 0.005, 0.001);
  return levels.empty() ? 0 : *std::max_element(levels.begin(), levels.end()) - RmsDbfs(shot, kFirePeriod - 0.005, kFirePeriod);
}

double ShotAttackMs(const Stereo& shot) {
  const std::vector<double> levels = Levels(shot, 0.005, 0.001);
  return static_cast<double>(std::max_element(levels.begin(), levels.end()) - levels.begin());
}

// Seams: the longest silence near the seam, the sharpest step there against the sharpest in
// the first pass, and the loudness of the second after it against the second before.
double GapAtSeamMs(const Theme& theme) {
  const Stereo near = theme.heard.mix.Slice(theme.passSeconds - kSeamWindow, theme.passSeconds + kSeamWindow);
  int run = 0, longest = 0;
  for (double level : Levels(near, 0.01, 0.01)) {
    run = level < kSilentDbfs ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  return 10.0 * longest;
}

double SharpestStep(const Stereo& sound) {
  float step = 0;
  for (const std::vector<float>* channel : {&sound.left, &sound.right})
    for (std::size_t i = 1; i < channel->size(); ++i) step = std::max(step, std::abs((*channel)[i] - (*channel)[i - 1]));
  return step;
}

double ClickAtSeamDb(const Theme& theme) {
  const Stereo seam = theme.heard.mix.Slice(theme.passSeconds - 0.01, theme.passSeconds + 0.01);
  return ToDb(SharpestStep(seam) / SharpestStep(theme.FirstPass()));
}

double LevelJumpAtSeam(const Theme& theme) {
  const Stereo& mix = theme.heard.mix;
  return std::abs(IntegratedLoudness(mix.Slice(theme.passSeconds, theme.passSeconds + 1)) -
                  IntegratedLoudness(mix.Slice(theme.passSeconds - 1, theme.passSeconds)));
}

// Scores: pitched notes (not the drums) outside the key's pitch classes, and minor seconds
// or ninths between notes that sound together on a bar's first beat.
constexpr int kDrums = 9;

double NotesOutOfKey(const MidiSummary& score, std::set<int> pitchClasses) {
  return static_cast<double>(std::count_if(score.notes.begin(), score.notes.end(), [&](const MidiNote& n) {
    return n.channel != kDrums && !pitchClasses.contains(n.key % 12);
  }));
}

double DownbeatClashes(const MidiSummary& score) {
  const auto bar = static_cast<std::uint32_t>(4 * score.division);
  int clashes = 0;
  for (std::uint32_t downbeat = 0; !score.endTicks.empty() && downbeat < score.endTicks.front(); downbeat += bar) {
    std::vector<int> keys;
    for (const MidiNote& n : score.notes)
      if (n.channel != kDrums && n.on <= downbeat && downbeat < n.off) keys.push_back(n.key);
    for (std::size_t i = 0; i < keys.size(); ++i)
      for (std::size_t j = i + 1; j < keys.size(); ++j)
        if (std::abs(keys[i] - keys[j]) % 12 == 1) ++clashes;
  }
  return clashes;
}

// How many different one-bar figures a part plays (its rhythm and its intervals from the bar's
// lowest note; drums by key).
double DifferentBars(const MidiSummary& score, const char* part) {
  const auto channel = score.channelOf.find(part);
  if (channel == score.channelOf.end()) return 0;
  const auto bar = static_cast<std::uint32_t>(4 * score.division);
  std::vector<std::vector<std::pair<std::uint32_t, int>>> bars(static_cast<std::size_t>(score.Bars() + 0.5));
  for (const MidiNote& n : score.notes)
    if (n.channel == channel->second && n.on / bar < bars.size()) bars[n.on / bar].push_back({n.on % bar, n.key});
  std::set<std::vector<std::pair<std::uint32_t, int>>> figures;
  for (auto& notes : bars) {
    std::sort(notes.begin(), notes.end());
    if (channel->second != kDrums && !notes.empty()) {
      const int lowest = std::min_element(notes.begin(), notes.end(), [](auto& a, auto& b) { return a.second < b.second; })->second;
      for (auto& note : notes) note.second -= lowest;
    }
    figures.insert(notes);
  }
  return static_cast<double>(figures.size());
}

// Jingles: the silence they end with, and how long the chord before it is held within 6 dB of
// its loudest.
double TrailingPause(const Stereo& jingle) {
  const std::vector<double> levels = Levels(jingle, 0.01, 0.01);
  const auto sounding = std::find_if(levels.rbegin(), levels.rend(), [](double l) { return l >= kSilentDbfs; });
  return 0.01 * static_cast<double>(sounding - levels.rbegin());
}

double HeldChord(const Stereo& jingle) {
  const Stereo sound = jingle.Slice(0, jingle.Seconds() - TrailingPause(jingle));
  const std::vector<double> levels = Levels(sound.Slice(sound.Seconds() - 4, sound.Seconds()), 0.05, 0.01);
  if (levels.empty()) return 0;
  const double top = *std::max_element(levels.begin(), levels.end());
  auto end = std::find_if(levels.rbegin(), levels.rend(), [&](double l) { return l >= top - 6; });
  const auto start = std::find_if(end, levels.rend(), [&](double l) { return l < top - 6; });
  return 0.01 * static_cast<double>(start - end);
}

struct Band {
  const char* what;
  double low, high;
  double (*measure)(const Heard&);
};

constexpr double kNone = std::numeric_limits<double>::infinity();

const Band kBands[] = {
    // In play: effects against the in-game theme (LU), and headroom for both at once.
    {"held fire vs in-game theme (LU)", -6, 6, [](const Heard& h) { return IntegratedLoudness(h.fire) - h.gameLoudness; }},
    {"explosion at its loudest vs in-game theme (LU)", 0, 8,
     [](const Heard& h) { return MaxMomentaryLoudness(h.explosion) - h.gameLoudness; }},
    {"death at its loudest vs in-game theme (LU)", 0, 8,
     [](const Heard& h) { return MaxMomentaryLoudness(h.death) - h.gameLoudness; }},
    {"loudest effect + loudest music peak (dBFS)", -kNone, 0,
     [](const Heard& h) {
       const double effect = std::max({SamplePeakDbfs(h.shot), SamplePeakDbfs(h.explosion), SamplePeakDbfs(h.death)});
       const double music = std::max({SamplePeakDbfs(h.game.heard.mix), SamplePeakDbfs(h.lose), SamplePeakDbfs(h.win)});
       return ToDb(Linear(effect) + Linear(music));
     }},
    // Rapid fire is heard as separate shots, each with a sharp attack.
    {"shot: drop before the next shot (dB)", 40, kNone, [](const Heard& h) { return ShotDropBeforeNextShot(h.shot); }},
    {"shot: loudest 5 ms begins at (ms)", 0, 10, [](const Heard& h) { return ShotAttackMs(h.shot); }},
    // The in-game theme: long, with a second section, dynamics, and every part heard.
    {"in-game theme: bars", 32, kNone, [](const Heard& h) { return h.game.score.Bars(); }},
    {"in-game theme: loudness range (LU)", 3, kNone, [](const Heard& h) { return LoudnessRange(h.game.FirstPass()); }},
    {"in-game theme: different bass bars", 4, kNone, [](const Heard& h) { return DifferentBars(h.game.score, "Bass"); }},
    {"in-game theme: different drum bars", 4, kNone, [](const Heard& h) { return DifferentBars(h.game.score, "Drums"); }},
    {"in-game theme: bass vs lead (LU)", -10, 3, [](const Heard& h) { return h.game.PartVsLead("Bass", "Lead"); }},
    {"in-game theme: keys vs lead (LU)", -10, 0, [](const Heard& h) { return h.game.PartVsLead("Keys", "Lead"); }},
    {"in-game theme: strings vs lead (LU)", -10, 0, [](const Heard& h) { return h.game.PartVsLead("Strings", "Lead"); }},
    {"in-game theme: drums vs lead (LU)", -10, 3, [](const Heard& h) { return h.game.PartVsLead("Drums", "Lead"); }},
    {"in-game theme: notes out of A minor", 0, 0,
     [](const Heard& h) { return NotesOutOfKey(h.game.score, {9, 11, 0, 2, 4, 5, 7, 8}); }},  // with G sharp
    {"in-game theme: downbeat minor seconds", 0, 0, [](const Heard& h) { return DownbeatClashes(h.game.score); }},
    // The title theme: its pad heard under the flute, and nothing clashing.
    {"title theme: pad vs flute (LU)", -10, 0, [](const Heard& h) { return h.title.PartVsLead("Pad", "Flute"); }},
    {"title theme: notes out of F major", 0, 0,
     [](const Heard& h) { return NotesOutOfKey(h.title.score, {5, 7, 9, 10, 0, 2, 4}); }},
    {"title theme: downbeat minor seconds", 0, 0, [](const Heard& h) { return DownbeatClashes(h.title.score); }},
    // Both themes loop seamlessly: two passes back to back.
    {"in-game theme seam: gap (ms)", 0, 20, [](const Heard& h) { return GapAtSeamMs(h.game); }},
    {"in-game theme seam: sharpest step vs pass (dB)", -kNone, 0, [](const Heard& h) { return ClickAtSeamDb(h.game); }},
    {"in-game theme seam: level jump (LU)", 0, 3, [](const Heard& h) { return LevelJumpAtSeam(h.game); }},
    {"title theme seam: gap (ms)", 0, 20, [](const Heard& h) { return GapAtSeamMs(h.title); }},
    {"title theme seam: sharpest step vs pass (dB)", -kNone, 0, [](const Heard& h) { return ClickAtSeamDb(h.title); }},
    {"title theme seam: level jump (LU)", 0, 3, [](const Heard& h) { return LevelJumpAtSeam(h.title); }},
    // The jingles, repeated on the end screens: as loud as each other, each a held chord and a pause.
    {"win vs lose jingle (LU)", 0, 2, [](const Heard& h) { return IntegratedLoudness(h.win) - IntegratedLoudness(h.lose); }},
    {"lose jingle vs in-game theme (LU)", -6, 6, [](const Heard& h) { return IntegratedLoudness(h.lose) - h.gameLoudness; }},
    {"lose jingle: held last chord (s)", 1.5, kNone, [](const Heard& h) { return HeldChord(h.lose); }},
    {"win jingle: held last chord (s)", 1.5, kNone, [](const Heard& h) { return HeldChord(h.win); }},
    {"lose jingle: pause at the end (s)", 0.5, 2, [](const Heard& h) { return TrailingPause(h.lose); }},
    {"win jingle: pause at the end (s)", 0.5, 2, [](const Heard& h) { return TrailingPause(h.win); }},
};

TEST(SoundBands, EveryMeasureLiesInItsBand) {
  const Heard& heard = Measured();
  ASSERT_GT(heard.game.heard.mix.Frames(), 0U) << "FluidSynth rendered nothing";
  ASSERT_GT(heard.title.heard.mix.Frames(), 0U) << "FluidSynth rendered nothing";
  std::printf("%-48s %9s %9s %9s\n", "band", "measured", "low", "high");
  std::string outside;
  for (const Band& band : kBands) {
    const double value = band.measure(heard);
    const bool inside = value >= band.low && value <= band.high;
    std::printf("%-48s %9.1f %9.1f %9.1f%s\n", band.what, value, band.low, band.high, inside ? "" : "  OUTSIDE");
    if (!inside) outside += std::string("\n  ") + band.what;
  }
  EXPECT_TRUE(outside.empty()) << "outside their bands:" << outside;
  std::fflush(stdout);
}

}  // namespace
}  // namespace skyscrub::sound_check
