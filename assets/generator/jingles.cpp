// The two jingles of the end screens, synthesised. The game repeats them for as long as the
// screen is shown, so each ends on a held chord and a pause before it comes round again.
#include <algorithm>
#include <cmath>
#include <vector>

#include "assets/generator/loudness.h"
#include "assets/generator/music.h"

namespace assetgen {
namespace {

// The jingles are matched by loudness, whatever their peaks (a win's peak is one timpani
// stroke): played at the game's music volume they sit a few LU under the in-game theme, the
// defeat half a LU under the victory. Their peaks stay below `kCeilingDbfs`.
constexpr double kWinLufs = -15, kLoseLufs = -15.5;
constexpr float kCeilingDbfs = -1;
constexpr double kPauseSeconds = 0.5;  // silence before the repeat, after the reverb has died away

// A line of notes played by one voice.
struct JingleLine {
  Voice voice;
  const char* notes;
  int velocity;
  float gain;
};

struct Jingle {
  double lufs;
  double beatsPerMinute;
  double lengthBeats;  // the notes' release rings out within this, then the reverb tail follows
  float reverb;
  std::vector<JingleLine> lines;
};

void MatchLoudness(Samples& samples, double lufs) {
  const double now = IntegratedLoudness(Stereo::FromMono(samples, kSampleRate));
  float peak = 0;
  for (float s : samples) peak = std::max(peak, std::abs(s));
  if (peak <= 0) return;
  const double gain = std::min(std::pow(10.0, (lufs - now) / 20), std::pow(10.0, kCeilingDbfs / 20) / peak);
  for (float& s : samples) s = static_cast<float>(s * gain);
}

Samples Render(const Jingle& jingle) {
  Samples out;
  for (const JingleLine& line : jingle.lines)
    Play(out, line.voice, Notes(line.notes, 0, line.velocity), jingle.beatsPerMinute, line.gain);
  out.resize(static_cast<std::size_t>(jingle.lengthBeats * 60 / jingle.beatsPerMinute * kSampleRate), 0);
  AddReverb(out, jingle.reverb);
  FadeOut(out, 0.3);
  MatchLoudness(out, jingle.lufs);
  const Samples pause = Seconds(kPauseSeconds);
  out.insert(out.end(), pause.begin(), pause.end());
  return out;
}

}  // namespace

// D minor: the tune sinks over Dm, Bb, Gm and A7 and comes to rest on a held D minor chord.
Samples LoseJingle() {
  return Render({kLoseLufs, 96, 15, 0.3F,
                 {{Voice::ElectricPiano, "A4:4 G4:2 F4:2  F4:4 D4:4  Bb4:2 A4:2 G4:2 D4:2  E4:2 C#4:2 E4:2 G4:2", 100, 0.45F},
                  {Voice::ElectricPiano, "r:32 D4+F4+A4:24", 70, 0.12F},
                  {Voice::Strings, "D3+F3+A3:8 Bb2+D3+F3:8 G2+Bb2+D3:8 A2+C#3+E3+G3:8", 80, 0.2F},
                  {Voice::Strings, "r:32 D3+F3+A3+D4:24", 90, 0.4F},
                  {Voice::Bass, "D2:8 Bb1:8 G1:8 A1:8 D2:24", 100, 0.35F}}});
}

// C major: a brass fanfare over timpani, ending on a held C major chord.
Samples WinJingle() {
  return Render(
      {kWinLufs, 126, 20, 0.25F,
       {{Voice::Brass, "G4:2 G4:1 G4:1 C5:6 G4:2 C5:2 E5:2  G5:6 E5:2 C5:4 E5:4  F5:4 A5:4 G5:2 F5:2 E5:2 D5:2  C5+E5+G5+C6:24", 110, 0.3F},
        {Voice::Brass, "C4+E4:16 C4+G4:16 A3+C4:8 B3+D4:8 G3+C4+E4:24", 80, 0.14F},
        {Voice::Strings, "C3+G3+E4:16 E3+G3+C4:16 F3+A3+C4:8 G3+B3+D4:8 C3+G3+C4+E4:24", 90, 0.2F},
        {Voice::Bass, "C2:16 E2:16 F2:8 G2:8 C2:24", 110, 0.4F},
        {Voice::Timpani, "C2:4 r:12  C2:4 r:8 G1:2 G1:2  C2:4 r:4 G1:4 G1:2 G1:2", 120, 0.25F},
        {Voice::Cymbal, "r:48 C5:16", 90, 0.08F}}});
}

}  // namespace assetgen
