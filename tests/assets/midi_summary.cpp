#include "tests/assets/midi_summary.h"

#include <cstdlib>
#include <map>
#include <string>
#include <utility>

namespace skyscrub::sound_check {
namespace {

constexpr int kDrumChannel = 9;

std::uint32_t BigEndian(const std::vector<std::uint8_t>& b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
  return v;
}

std::uint32_t VariableLength(const std::vector<std::uint8_t>& b, std::size_t& p) {
  std::uint32_t value = 0;
  do value = (value << 7) | (b[p] & 0x7F);
  while (b[p++] & 0x80);
  return value;
}

bool IsChunk(const std::vector<std::uint8_t>& b, std::size_t at, const char* name) {
  return at + 8 <= b.size() && std::string(b.begin() + static_cast<long>(at), b.begin() + static_cast<long>(at) + 4) == name;
}

}  // namespace

double MidiSummary::Bars() const {
  return endTicks.empty() || division == 0 ? 0 : static_cast<double>(endTicks.front()) / (4.0 * division);
}

MidiSummary Summarise(const std::vector<std::uint8_t>& b) {
  MidiSummary s, broken;
  broken.wellFormed = false;
  if (b.size() < 14 || !IsChunk(b, 0, "MThd")) return broken;
  s.format = static_cast<int>(BigEndian(b, 8, 2));
  s.declaredTracks = static_cast<int>(BigEndian(b, 10, 2));
  s.division = static_cast<int>(BigEndian(b, 12, 2));
  std::size_t at = 8 + BigEndian(b, 4, 4);
  while (at + 8 <= b.size()) {
    const std::size_t end = at + 8 + BigEndian(b, at + 4, 4);
    if (!IsChunk(b, at, "MTrk") || end > b.size()) return broken;
    ++s.tracks;
    std::size_t p = at + 8;
    std::uint32_t tick = 0;
    std::uint8_t status = 0;
    bool ended = false;
    std::string name;
    std::map<int, std::vector<std::uint32_t>> sounding;  // channel * 128 + key -> when each began
    while (p < end && !ended) {
      tick += VariableLength(b, p);
      if (b[p] & 0x80) status = b[p++];
      if (status == 0xFF) {
        const std::uint8_t type = b[p++];
        const std::uint32_t length = VariableLength(b, p);
        if (type == 0x51 && length == 3) s.microsPerBeat = BigEndian(b, p, 3);
        if (type == 0x03) name.assign(b.begin() + static_cast<long>(p), b.begin() + static_cast<long>(p + length));
        p += length;
        if (type == 0x2F) {
          ended = true;
          s.endTicks.push_back(tick);
        }
        continue;
      }
      const int kind = status & 0xF0, channel = status & 0x0F, key = channel * 128 + b[p];
      if (!name.empty()) s.channelOf.emplace(std::exchange(name, {}), channel);
      if (kind == 0x90 && b[p + 1] > 0) {
        sounding[key].push_back(tick);
      } else if (kind == 0x80 || kind == 0x90) {
        std::vector<std::uint32_t>& starts = sounding[key];
        if (starts.empty()) {
          ++s.hangingNotes;  // an off with no note to end
        } else {
          s.notes.push_back({channel, b[p], starts.front(), tick});
          starts.erase(starts.begin());
        }
      } else if (kind == 0xC0 && channel != kDrumChannel) {
        s.programs.push_back(b[p]);
      }
      p += (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
    }
    for (const auto& [key, starts] : sounding) s.hangingNotes += static_cast<int>(starts.size());
    s.wellFormed = s.wellFormed && ended && p == end;
    at = end;
  }
  return s;
}

}  // namespace skyscrub::sound_check
