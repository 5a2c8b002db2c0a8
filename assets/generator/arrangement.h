#pragma once
// The building blocks the themes are arranged from: chords a bar long, accompaniment figures
// that follow them, held chords, and drum patterns; General MIDI's names for what they play.
#include <string_view>
#include <vector>

#include "assets/generator/score.h"

namespace assetgen {

// General MIDI programs (0-based) and drum keys; all of them are in TimGM6mb.
enum Program { kElectricPiano2 = 5, kAcousticBass = 32, kSynthBass1 = 38, kStrings = 48, kHarp = 46,
               kFlute = 73, kSquareLead = 80, kWarmPad = 89 };
enum DrumKey { kKick = 36, kSideStick = 37, kSnare = 38, kLowFloorTom = 41, kClosedHat = 42, kLowTom = 45,
               kOpenHat = 46, kHighMidTom = 48, kCrash = 49, kHighTom = 50, kRide = 51 };

// A chord of the accompaniment, one bar long: its root in the bass octave and whether it is minor.
struct Chord {
  int root;  // MIDI pitch in octave 2
  bool minor;
};

// "Am F C G" -> one chord a bar.
std::vector<Chord> Progression(std::string_view names);

// One note per step of `pattern` (offsets above the root in semitones, or -1 for a rest) in
// every bar of `chords`, each step `stepBeats` long (or `noteBeats` when given), from `firstBar`.
// A major third in the pattern becomes minor over a minor chord.
struct FigureStyle {
  double stepBeats = 0.5;
  int octaveShift = 0;
  int velocity = 96;
  double noteBeats = 0;
};
std::vector<Note> Figure(const std::vector<Chord>& chords, const std::vector<int>& pattern, const FigureStyle& style,
                         int firstBar = 0);

// Held triads, one per bar, voiced below `ceiling` (a MIDI pitch), from `firstBar`.
std::vector<Note> Pads(const std::vector<Chord>& chords, int velocity, int ceiling, int firstBar = 0);

// A drum line: one sixteenth per character, 'x' loud, 'o' soft, '.' silent, repeated over
// `bars` bars from `firstBar`, every `barStride`th bar.
std::vector<Note> Drums(int key, std::string_view steps, int firstBar, int bars, int barStride = 1);

}  // namespace assetgen
