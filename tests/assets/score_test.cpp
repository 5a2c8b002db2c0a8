// The generator's note text and MIDI number encoding, which every piece of music rests on.
#include <gtest/gtest.h>

#include <stdexcept>

#include "assets/generator/midi_file.h"
#include "assets/generator/score.h"

namespace assetgen {
namespace {

TEST(Score, PitchNamesMapToMidiNumbers) {
  const std::pair<const char*, int> cases[] = {{"C4", 60}, {"A4", 69}, {"F#3", 54}, {"Bb2", 46}, {"C#4", 61},
                                               {"B-1", 11}, {"G#5", 80}, {"D2", 38}};
  for (const auto& [name, pitch] : cases) EXPECT_EQ(Pitch(name), pitch) << name;
}

TEST(Score, NotesFollowOneAnotherAndChordsShareTheirStart) {
  const std::vector<Note> notes = Notes("A4:4 r:2 C4+E4+G4:8", 1, 90);
  ASSERT_EQ(notes.size(), 4U);
  EXPECT_EQ(notes[0].start, 1);
  EXPECT_EQ(notes[0].length, 1);
  for (int i = 1; i < 4; ++i) {
    EXPECT_EQ(notes[static_cast<std::size_t>(i)].start, 2.5);
    EXPECT_EQ(notes[static_cast<std::size_t>(i)].length, 2);
    EXPECT_EQ(notes[static_cast<std::size_t>(i)].velocity, 90);
  }
  EXPECT_EQ(BeatsOf("A4:4 r:2 C4+E4+G4:8"), 3.5);
}

TEST(Score, MalformedNotesAreRejected) {
  for (const char* bad : {"A4", "H4:4", "x:4"}) EXPECT_ANY_THROW(Notes(bad)) << bad;
}

TEST(MidiFile, VariableLengthNumbersUseSevenBitGroups) {
  const std::pair<std::uint32_t, std::vector<std::uint8_t>> cases[] = {
      {0, {0x00}}, {0x7F, {0x7F}}, {0x80, {0x81, 0x00}}, {0x3FFF, {0xFF, 0x7F}}, {0x4000, {0x81, 0x80, 0x00}},
      {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}}};
  for (const auto& [value, bytes] : cases) {
    std::vector<std::uint8_t> out;
    AppendVariableLength(out, value);
    EXPECT_EQ(out, bytes) << value;
  }
}

TEST(MidiFile, NotesAreCutAtTheLoopPoint) {
  MidiPiece piece{120, 4, {{"Lead", 0, 80, 100, 64, 40, Notes("C4:32")}}};  // 8 beats in a 4-beat loop
  const std::vector<std::uint8_t> bytes = SmfBytes(piece);
  // The note-off of the one note sits at the loop point, then the track ends there too.
  const std::vector<std::uint8_t> tail{0x8F, 0x00, 0x80, 60, 0, 0x00, 0xFF, 0x2F, 0x00};
  ASSERT_GE(bytes.size(), tail.size());
  EXPECT_TRUE(std::equal(tail.begin(), tail.end(), bytes.end() - static_cast<long>(tail.size())));
}

}  // namespace
}  // namespace assetgen
