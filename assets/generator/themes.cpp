// The two General MIDI themes, which loop for as long as their screen is shown.
#include <string>
#include <vector>

#include "assets/generator/arrangement.h"
#include "assets/generator/music.h"

namespace assetgen {
namespace {

// The drums of the in-game theme, one groove per stretch of bars; every fourth bar of a
// stretch ends in a fill on the toms and snare instead of its last beat.
struct Groove {
  std::string_view kick, snare, closedHat, openHat;
};

constexpr std::string_view kFillKick = "x.......x.......";
constexpr std::string_view kFillSnare = "....x.......x.o.";  // beat four: snare, then the toms below
constexpr std::string_view kFillHat = "x.o.x.o.x.o.....";

void PlayGroove(std::vector<Note>& drums, const Groove& groove, int firstBar, int bars) {
  for (int bar = firstBar; bar < firstBar + bars; ++bar) {
    const bool fill = (bar - firstBar) % 4 == 3;
    Append(drums, Drums(kKick, fill ? kFillKick : groove.kick, bar, 1));
    Append(drums, Drums(kSnare, fill ? kFillSnare : groove.snare, bar, 1));
    Append(drums, Drums(kClosedHat, fill ? kFillHat : groove.closedHat, bar, 1));
    if (!fill) Append(drums, Drums(kOpenHat, groove.openHat, bar, 1));
    if (fill) {
      Append(drums, Drums(kHighTom, ".............x..", bar, 1));
      Append(drums, Drums(kHighMidTom, "..............x.", bar, 1));
      Append(drums, Drums(kLowTom, "...............x", bar, 1));
    }
  }
}

}  // namespace

MidiPiece TitleTheme() {
  const auto chords = Progression("F Dm Bb C F Dm Gm C Dm Bb F C Dm Bb C C");
  // The last bar falls through the C chord to the first bar's A, with nothing rubbing
  // against the chord on its downbeat.
  const std::string melody =
      "A4:6 G4:2 F4:4 C5:4  D5:6 C5:2 A4:8  Bb4:4 D5:4 F5:4 D5:4  C5:8 G4:4 r:4 "
      "A4:6 G4:2 F4:4 A4:4  F5:6 E5:2 D5:8  D5:4 Bb4:4 G4:4 Bb4:4  C5:12 r:4 "
      "F5:4 E5:2 D5:2 A4:8  Bb4:4 C5:2 D5:2 F5:8  E5:4 F5:4 A5:4 F5:4  G5:8 E5:4 C5:4 "
      "D5:4 F5:4 A5:6 G5:2  F5:4 D5:4 Bb4:8  C5:4 D5:4 E5:4 G5:4  G5:4 E5:4 C5:8";
  MidiPiece piece;
  piece.beatsPerMinute = 100;
  piece.lengthBeats = 4.0 * static_cast<double>(chords.size());
  piece.parts = {
      {"Flute", 0, kFlute, 96, 70, 60, Notes(melody, 0, 100)},
      {"Harp", 1, kHarp, 82, 40, 50, Figure(chords, {0, 7, 12, 16, 19, 16, 12, 7}, {0.5, 1, 78})},
      {"Pad", 2, kWarmPad, 84, 88, 70, Pads(chords, 76, 69)},
      {"Bass", 3, kAcousticBass, 90, 64, 20, Figure(chords, {0, -1, 7, -1}, {1, 0, 96, 2})},
  };
  return piece;
}

// 32 bars in A minor: the tune over a full band (bars 1 to 16), then a second section: a break
// where the drums and the lead drop out under the keys (17 to 20), a build (21 to 24) and a
// climax (25 to 32) whose last bar rolls back into the first.
MidiPiece GameTheme() {
  const auto tune = Progression("Am F C G Am F C G F G Am Am F G E E");
  const auto breakdown = Progression("Dm Am Dm E");
  const auto build = Progression("F G Am Am");
  const auto climax = Progression("F G C Am Dm E Am E");
  const std::string lead =
      "A4:2 C5:2 E5:2 A5:2 G5:2 E5:2 C5:2 E5:2  F5:4 E5:2 C5:2 A4:4 C5:4  "
      "G4:2 C5:2 E5:2 G5:2 F5:2 E5:2 D5:2 C5:2  D5:6 B4:2 G4:8 "
      "A4:2 C5:2 E5:2 A5:2 B5:2 A5:2 G5:2 E5:2  F5:4 A5:4 G5:2 F5:2 E5:4  "
      "E5:2 G5:2 C6:4 B5:2 G5:2 E5:4  D5:4 G5:4 B4:4 D5:4 "
      "C5:4 F5:4 A5:6 G5:2  B4:4 D5:4 G5:6 F5:2  E5:4 A5:4 C6:4 B5:4  A5:12 r:4 "
      "A5:2 G5:2 F5:2 C5:2 F5:4 A5:4  B5:2 A5:2 G5:2 D5:2 G5:4 B5:4  G#5:4 E5:4 B4:4 E5:4  G#5:2 A5:2 B5:4 G#5:4 E5:4 "
      // the break: two quiet answers
      "r:16  r:8 A4:4 C5:4  r:16  r:8 B4:4 G#4:4 "
      // the build
      "A4:4 C5:4 F5:6 E5:2  D5:4 B4:4 G4:8  C5:4 E5:4 A5:6 G5:2  E5:12 r:4 "
      // the climax, an octave up
      "C6:4 A5:4 F5:4 A5:4  B5:4 G5:4 D5:4 G5:4  C6:6 B5:2 G5:4 E5:4  A5:8 E5:4 C5:4 "
      "D5:4 F5:4 A5:4 F5:4  G#5:4 E5:4 B4:4 E5:4  A5:4 C6:4 B5:4 A5:4  G#5:4 B5:4 E5:8";

  std::vector<Note> bass = Figure({tune.begin(), tune.begin() + 8}, {0, 0, 12, 0, 0, 0, 12, 0}, {0.5, 0, 96, 0.45});
  Append(bass, Figure({tune.begin() + 8, tune.end()}, {0, -1, -1, 0, 12, -1, 7, 0}, {0.5, 0, 100, 0.45}, 8));
  Append(bass, Figure(breakdown, {0, -1, -1, -1, -1, -1, 7, -1}, {0.5, 0, 80, 1}, 16));
  Append(bass, Figure(build, {0, 0, 0, 0, 0, 0, 0, 0}, {0.5, 0, 92, 0.4}, 20));
  Append(bass, Figure(climax, {0, 12, 7, 12, 0, 12, 7, 12}, {0.5, 0, 100, 0.45}, 24));

  // Off-beat stabs over the tune and the climax; broken chords carry the break and the build.
  std::vector<Note> keys;
  for (const auto& [chords, firstBar] : {std::pair{tune, 0}, std::pair{climax, 24}})
    for (int offset : {12, 16, 19}) Append(keys, Figure(chords, {-1, offset, -1, offset, -1, offset, -1, offset}, {0.5, 1, 92, 0.25}, firstBar));
  Append(keys, Figure(breakdown, {12, 16, 19, 24, 19, 16, 12, 16}, {0.5, 1, 84}, 16));
  Append(keys, Figure(build, {12, 16, 19, 24, 19, 16, 12, 16}, {0.5, 1, 92}, 20));

  std::vector<Note> strings = Pads(tune, 76, 64);
  Append(strings, Pads(breakdown, 56, 64, 16));
  Append(strings, Pads(build, 70, 64, 20));
  Append(strings, Pads(climax, 90, 64, 24));

  std::vector<Note> drums;
  PlayGroove(drums, {"x.......x.x.....", "....x.......x...", "x.o.x.o.x.o.x.o.", "..............o."}, 0, 16);
  Append(drums, Drums(kClosedHat, "o...o...o...o...", 16, 3));  // the break: time kept softly
  Append(drums, Drums(kSnare, "o.o.o.o.x.x.xxxx", 19, 1));     // its last bar rolls up into the build
  PlayGroove(drums, {"x.......x.......", "....x.......x...", "x.x.x.x.x.x.x.x.", "................"}, 20, 4);
  PlayGroove(drums, {"x...x...x...x.x.", "....x.......x...", "x.o.x.o.x.o.x.o.", "..o...o...o...o."}, 24, 8);
  for (int bar : {0, 8, 20, 24, 28}) Append(drums, Drums(kCrash, "x...............", bar, 1));
  const int bars = 32;
  MidiPiece piece;
  piece.beatsPerMinute = 140;
  piece.lengthBeats = 4.0 * bars;
  piece.parts = {
      {"Lead", 0, kSquareLead, 100, 64, 40, Notes(lead, 0, 100)},
      {"Bass", 1, kSynthBass1, 96, 64, 10, bass},
      {"Keys", 2, kElectricPiano2, 104, 34, 50, keys},
      {"Strings", 3, kStrings, 44, 94, 70, strings},
      {"Drums", kDrumChannel, 0, 110, 64, 30, drums},
  };
  return piece;
}

}  // namespace assetgen
