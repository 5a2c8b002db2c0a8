#include "assets/generator/arrangement.h"

#include <string>

namespace assetgen {
namespace {

Chord ChordOf(std::string_view name) {
  const bool minor = name.size() > 1 && name.back() == 'm';
  return {Pitch(std::string(minor ? name.substr(0, name.size() - 1) : name) + "2"), minor};
}

int Third(const Chord& c) { return c.minor ? 3 : 4; }

double BarStart(int bar) { return 4.0 * bar; }

}  // namespace

std::vector<Chord> Progression(std::string_view names) {
  std::vector<Chord> chords;
  while (!names.empty()) {
    const auto space = names.find(' ');
    if (space != 0) chords.push_back(ChordOf(names.substr(0, space)));
    names = space == std::string_view::npos ? std::string_view{} : names.substr(space + 1);
  }
  return chords;
}

std::vector<Note> Figure(const std::vector<Chord>& chords, const std::vector<int>& pattern, const FigureStyle& style,
                         int firstBar) {
  std::vector<Note> notes;
  for (std::size_t bar = 0; bar < chords.size(); ++bar)
    for (std::size_t step = 0; step < pattern.size(); ++step) {
      if (pattern[step] < 0) continue;
      int offset = pattern[step];
      if (offset % 12 == 4 && chords[bar].minor) offset -= 1;  // the third follows the chord
      notes.push_back({BarStart(firstBar + static_cast<int>(bar)) + static_cast<double>(step) * style.stepBeats,
                       style.noteBeats > 0 ? style.noteBeats : style.stepBeats,
                       chords[bar].root + 12 * style.octaveShift + offset, style.velocity});
    }
  return notes;
}

std::vector<Note> Pads(const std::vector<Chord>& chords, int velocity, int ceiling, int firstBar) {
  std::vector<Note> notes;
  for (std::size_t bar = 0; bar < chords.size(); ++bar) {
    const int root = chords[bar].root + 24;
    for (int offset : {0, Third(chords[bar]), 7})
      notes.push_back({BarStart(firstBar + static_cast<int>(bar)), 4,
                       root + offset - (root + offset > ceiling ? 12 : 0), velocity});
  }
  return notes;
}

std::vector<Note> Drums(int key, std::string_view steps, int firstBar, int bars, int barStride) {
  std::vector<Note> notes;
  for (int bar = firstBar; bar < firstBar + bars; bar += barStride)
    for (std::size_t i = 0; i < steps.size(); ++i)
      if (steps[i] != '.')
        notes.push_back({BarStart(bar) + static_cast<double>(i) / 4, 0.25, key, steps[i] == 'x' ? 100 : 62});
  return notes;
}

}  // namespace assetgen
