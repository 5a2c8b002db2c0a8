#pragma once
// Standard MIDI Files (format 1) written from note lists, made to loop cleanly: every note ends
// inside the piece and each track ends exactly at the piece's length.
#include <cstdint>
#include <string>
#include <vector>

#include "assets/generator/score.h"

namespace assetgen {

constexpr int kTicksPerBeat = 480;
constexpr int kDrumChannel = 9;

struct MidiPart {
  std::string name;
  int channel = 0;
  int program = 0;  // General MIDI instrument 0..127 (ignored on the drum channel)
  int volume = 100;
  int pan = 64;
  int reverb = 40;
  std::vector<Note> notes;
};

struct MidiPiece {
  double beatsPerMinute = 120;
  double lengthBeats = 0;  // the loop point
  std::vector<MidiPart> parts;
};

std::vector<std::uint8_t> SmfBytes(const MidiPiece& piece);
void AppendVariableLength(std::vector<std::uint8_t>& out, std::uint32_t value);

}  // namespace assetgen
