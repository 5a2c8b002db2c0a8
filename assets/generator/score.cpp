#include "assets/generator/score.h"

#include <sstream>
#include <stdexcept>
#include <string>

namespace assetgen {
namespace {

constexpr int kSemitones[] = {9, 11, 0, 2, 4, 5, 7};  // A B C D E F G

struct Token {
  std::vector<int> pitches;  // empty for a rest
  double beats = 0;
};

Token Parse(std::string_view token) {
  const auto colon = token.find(':');
  if (colon == std::string_view::npos) throw std::invalid_argument("note without length: " + std::string(token));
  Token parsed;
  parsed.beats = std::stoi(std::string(token.substr(colon + 1))) / 4.0;
  std::string_view pitches = token.substr(0, colon);
  if (pitches == "r") return parsed;
  while (!pitches.empty()) {
    const auto plus = pitches.find('+');
    parsed.pitches.push_back(Pitch(pitches.substr(0, plus)));
    pitches = plus == std::string_view::npos ? std::string_view{} : pitches.substr(plus + 1);
  }
  return parsed;
}

template <typename F>
void ForTokens(std::string_view text, F each) {
  std::istringstream in{std::string(text)};
  std::string token;
  while (in >> token) each(Parse(token));
}

}  // namespace

int Pitch(std::string_view name) {
  if (name.size() < 2 || name[0] < 'A' || name[0] > 'G') throw std::invalid_argument("bad pitch: " + std::string(name));
  int semitone = kSemitones[name[0] - 'A'];
  std::size_t i = 1;
  for (; i < name.size() && (name[i] == '#' || name[i] == 'b'); ++i) semitone += name[i] == '#' ? 1 : -1;
  const int octave = std::stoi(std::string(name.substr(i)));
  return 12 * (octave + 1) + semitone;
}

std::vector<Note> Notes(std::string_view text, double startBeat, int velocity) {
  std::vector<Note> notes;
  double at = startBeat;
  ForTokens(text, [&](const Token& token) {
    for (int pitch : token.pitches) notes.push_back({at, token.beats, pitch, velocity});
    at += token.beats;
  });
  return notes;
}

double BeatsOf(std::string_view text) {
  double beats = 0;
  ForTokens(text, [&](const Token& token) { beats += token.beats; });
  return beats;
}

void Append(std::vector<Note>& notes, const std::vector<Note>& more) { notes.insert(notes.end(), more.begin(), more.end()); }

}  // namespace assetgen
