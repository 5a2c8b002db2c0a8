#pragma once
// Notes written as text, shared by the MIDI pieces and the synthesised jingles.
//   "A4:6 G4:2 F4+A4+C5:8 r:4"  pitch (or pitches joined by +) and length in sixteenths; r is a rest.
#include <string_view>
#include <vector>

namespace assetgen {

struct Note {
  double start = 0;   // in beats (quarter notes) from the start of the piece
  double length = 0;  // in beats
  int pitch = 60;     // MIDI note number, C4 = 60
  int velocity = 96;  // 1..127
};

// The notes of `text` laid one after the other from `startBeat`; throws on a malformed token.
std::vector<Note> Notes(std::string_view text, double startBeat = 0, int velocity = 96);
// Total length of `text` in beats.
double BeatsOf(std::string_view text);
int Pitch(std::string_view name);  // "C4" -> 60, "F#3" -> 54, "Bb2" -> 46
// Adds `more` to `notes`.
void Append(std::vector<Note>& notes, const std::vector<Note>& more);

}  // namespace assetgen
