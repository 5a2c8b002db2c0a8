#include "assets/generator/music.h"

#include <string>
#include <string_view>
#include <vector>

namespace assetgen {
namespace {

// General MIDI programs (0-based) and drum keys used below.
enum Program { kElectricPiano2 = 5, kAcousticBass = 32, kSynthBass1 = 38, kStrings = 48, kHarp = 46, kFlute = 73,
               kSquareLead = 80, kWarmPad = 89 };
enum DrumKey { kKick = 36, kSnare = 38, kClosedHat = 42, kOpenHat = 46, kCrash = 49 };

// A chord of the accompaniment, one bar long: its root in the bass octave and whether it is minor.
struct Chord {
  int root;  // MIDI pitch in octave 2
  bool minor;
};

Chord ChordOf(std::string_view name) {
  const bool minor = name.size() > 1 && name.back() == 'm';
  return {Pitch(std::string(minor ? name.substr(0, name.size() - 1) : name) + "2"), minor};
}

std::vector<Chord> Progression(std::string_view names) {
  std::vector<Chord> chords;
  while (!names.empty()) {
    const auto space = names.find(' ');
    chords.push_back(ChordOf(names.substr(0, space)));
    names = space == std::string_view::npos ? std::string_view{} : names.substr(space + 1);
  }
  return chords;
}

int Third(const Chord& c) { return c.minor ? 3 : 4; }

// Builds one note per step of `pattern` (offsets above the root in semitones, or -1 for a rest)
// for every bar, each step `stepBeats` long.
std::vector<Note> Figure(const std::vector<Chord>& chords, const std::vector<int>& pattern, double stepBeats,
                         int octaveShift, int velocity, double noteBeats = 0) {
  std::vector<Note> notes;
  for (std::size_t bar = 0; bar < chords.size(); ++bar)
    for (std::size_t step = 0; step < pattern.size(); ++step) {
      if (pattern[step] < 0) continue;
      int offset = pattern[step];
      if (offset % 12 == 4 && chords[bar].minor) offset -= 1;  // the third follows the chord
      notes.push_back({static_cast<double>(bar) * 4 + static_cast<double>(step) * stepBeats,
                       noteBeats > 0 ? noteBeats : stepBeats, chords[bar].root + 12 * octaveShift + offset, velocity});
    }
  return notes;
}

// Sustained triads, one per bar, voiced in the middle octave.
std::vector<Note> Pads(const std::vector<Chord>& chords, int velocity) {
  std::vector<Note> notes;
  for (std::size_t bar = 0; bar < chords.size(); ++bar) {
    const int root = chords[bar].root + 12;
    for (int offset : {12, 12 + Third(chords[bar]), 19})
      notes.push_back({static_cast<double>(bar) * 4, 4, root + offset - (root + offset > 69 ? 12 : 0), velocity});
  }
  return notes;
}

// A drum pattern: one line of sixteenths per drum, 'x' loud, 'o' soft, '.' silent.
std::vector<Note> Drums(int key, std::string_view steps, int bars, int barStride = 1) {
  std::vector<Note> notes;
  for (int bar = 0; bar < bars; bar += barStride)
    for (std::size_t i = 0; i < steps.size(); ++i)
      if (steps[i] != '.')
        notes.push_back({bar * 4 + static_cast<double>(i) / 4, 0.25, key, steps[i] == 'x' ? 100 : 62});
  return notes;
}

// A jingle for the synthesiser: lines of notes, each played by one voice.
struct JingleLine {
  Voice voice;
  const char* notes;
  int velocity;
  float gain;
};

struct Jingle {
  double beatsPerMinute;
  double lengthBeats;  // the notes' release rings out within this, then the reverb tail follows
  float reverb;
  std::vector<JingleLine> lines;
};

Samples Render(const Jingle& jingle) {
  Samples out;
  for (const JingleLine& line : jingle.lines)
    Play(out, line.voice, Notes(line.notes, 0, line.velocity), jingle.beatsPerMinute, line.gain);
  out.resize(static_cast<std::size_t>(jingle.lengthBeats * 60 / jingle.beatsPerMinute * kSampleRate), 0);
  AddReverb(out, jingle.reverb);
  FadeOut(out, 0.3);
  Normalise(out, -1);  // wave music plays at the music volume, so it is mastered hotter than the effects
  return out;
}

}  // namespace

MidiPiece TitleTheme() {
  const auto chords = Progression("F Dm Bb C F Dm Gm C Dm Bb F C Dm Bb C C");
  const std::string melody =
      "A4:6 G4:2 F4:4 C5:4  D5:6 C5:2 A4:8  Bb4:4 D5:4 F5:4 D5:4  C5:8 G4:4 r:4 "
      "A4:6 G4:2 F4:4 A4:4  F5:6 E5:2 D5:8  D5:4 Bb4:4 G4:4 Bb4:4  C5:12 r:4 "
      "F5:4 E5:2 D5:2 A4:8  Bb4:4 C5:2 D5:2 F5:8  E5:4 F5:4 A5:4 F5:4  G5:8 E5:4 C5:4 "
      "D5:4 F5:4 A5:6 G5:2  F5:4 D5:4 Bb4:8  C5:4 D5:4 E5:4 G5:4  F5:4 E5:4 C5:8";
  MidiPiece piece;
  piece.beatsPerMinute = 100;
  piece.lengthBeats = 4.0 * static_cast<double>(chords.size());
  piece.parts = {
      {"Flute", 0, kFlute, 96, 70, 60, Notes(melody, 0, 100)},
      {"Harp", 1, kHarp, 82, 40, 50, Figure(chords, {0, 7, 12, 16, 19, 16, 12, 7}, 0.5, 1, 78)},
      {"Pad", 2, kWarmPad, 62, 88, 70, Pads(chords, 60)},
      {"Bass", 3, kAcousticBass, 90, 64, 20, Figure(chords, {0, -1, 7, -1}, 1, 0, 96, 2)},
  };
  return piece;
}

MidiPiece GameTheme() {
  const auto chords = Progression("Am F C G Am F C G F G Am Am F G E E");
  const std::string lead =
      "A4:2 C5:2 E5:2 A5:2 G5:2 E5:2 C5:2 E5:2  F5:4 E5:2 C5:2 A4:4 C5:4  "
      "G4:2 C5:2 E5:2 G5:2 F5:2 E5:2 D5:2 C5:2  D5:6 B4:2 G4:8 "
      "A4:2 C5:2 E5:2 A5:2 B5:2 A5:2 G5:2 E5:2  F5:4 A5:4 G5:2 F5:2 E5:4  "
      "E5:2 G5:2 C6:4 B5:2 G5:2 E5:4  D5:4 G5:4 B4:4 D5:4 "
      "C5:4 F5:4 A5:6 G5:2  B4:4 D5:4 G5:6 F5:2  E5:4 A5:4 C6:4 B5:4  A5:12 r:4 "
      "A5:2 G5:2 F5:2 C5:2 F5:4 A5:4  B5:2 A5:2 G5:2 D5:2 G5:4 B5:4  G#5:4 E5:4 B4:4 E5:4  G#5:2 A5:2 B5:4 G#5:4 E5:4";
  const int bars = static_cast<int>(chords.size());
  std::vector<Note> drums = Drums(kKick, "x.......x.x.....", bars);
  Append(drums, Drums(kSnare, "....x.......x...", bars));
  Append(drums, Drums(kClosedHat, "x.o.x.o.x.o.x.o.", bars));
  Append(drums, Drums(kOpenHat, "..............o.", bars, 2));
  Append(drums, Drums(kCrash, "x...............", bars, 8));
  Append(drums, Notes("D2:1 D2:1 D2:1", 4.0 * bars - 0.75, 84));  // a snare roll (D2) back into the loop
  MidiPiece piece;
  piece.beatsPerMinute = 140;
  piece.lengthBeats = 4.0 * bars;
  piece.parts = {
      {"Lead", 0, kSquareLead, 78, 64, 40, Notes(lead, 0, 100)},
      {"Bass", 1, kSynthBass1, 86, 64, 10, Figure(chords, {0, 0, 12, 0, 0, 0, 12, 0}, 0.5, 0, 96, 0.45)},
      {"Keys", 2, kElectricPiano2, 70, 34, 50,
       [&] {
         std::vector<Note> stabs = Figure(chords, {-1, 12, -1, 12, -1, 12, -1, 12}, 0.5, 1, 66, 0.25);
         Append(stabs, Figure(chords, {-1, 16, -1, 16, -1, 16, -1, 16}, 0.5, 1, 62, 0.25));
         Append(stabs, Figure(chords, {-1, 19, -1, 19, -1, 19, -1, 19}, 0.5, 1, 62, 0.25));
         return stabs;
       }()},
      {"Strings", 3, kStrings, 64, 94, 70, Pads(chords, 52)},
      {"Drums", kDrumChannel, 0, 88, 64, 30, drums},
  };
  return piece;
}

Samples LoseJingle() {
  return Render({96, 12, 0.3F,
                 {{Voice::ElectricPiano, "A4:4 G4:2 F4:2 E4:4 D4:4  F4:2 E4:2 D4:2 C#4:2 D4:8", 100, 0.45F},
                  {Voice::Strings, "D3+F3+A3:8 Bb2+D3+F3:8 G2+Bb2+D3:8 A2+C#3+E3+G3:8 D3+F3+A3:8", 80, 0.12F},
                  {Voice::Bass, "D2:8 Bb1:8 G1:8 A1:8 D2:8", 100, 0.45F}}});
}

Samples WinJingle() {
  return Render(
      {126, 18, 0.25F,
       {{Voice::Brass, "G4:2 G4:1 G4:1 C5:6 G4:2 C5:2 E5:2  G5:6 E5:2 C5:4 E5:4  F5:4 A5:4 G5:2 F5:2 E5:2 D5:2  C5+E5+G5+C6:16", 110, 0.3F},
        {Voice::Brass, "C4+E4:16 C4+G4:16 A3+C4:8 B3+D4:8 G3+C4+E4:16", 80, 0.14F},
        {Voice::Strings, "C3+G3+E4:16 E3+G3+C4:16 F3+A3+C4:8 G3+B3+D4:8 C3+G3+C4+E4:16", 90, 0.12F},
        {Voice::Bass, "C2:16 E2:16 F2:8 G2:8 C2:16", 110, 0.4F},
        {Voice::Timpani, "C2:4 r:12  C2:4 r:8 G1:2 G1:2  C2:4 r:4 G1:4 G1:2 G1:2  C2:16", 120, 0.7F},
        {Voice::Cymbal, "r:48 C5:16", 110, 0.25F}}});
}

}  // namespace assetgen
